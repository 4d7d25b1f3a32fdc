// Names by which other copies and other programs of the suite find the recorder.
#pragma once

inline constexpr wchar_t kSorvaneMutex[] = L"Sorvane_ewi6k20cd2";
inline constexpr wchar_t kSorvaneWindowClass[] = L"Sorvane_IDK290SE5";
