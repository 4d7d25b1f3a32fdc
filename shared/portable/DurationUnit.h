// The units of a duration as the lists show them.
#pragma once

inline constexpr const wchar_t* kDurationUnitNames[] = {L"ms", L"second", L"minute", L"hour"};
inline constexpr int kDurationMinute = 2;

