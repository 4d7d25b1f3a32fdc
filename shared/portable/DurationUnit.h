// The units of a duration as the lists show them, with their length in milliseconds.
#pragma once

#include <cstdint>

inline constexpr const wchar_t* kDurationUnitNames[] = {L"ms", L"second", L"minute", L"hour"};
inline constexpr int kDurationMinute = 2;

// Milliseconds in one unit; an index outside the list counts as minutes.
constexpr int64_t DurationUnitMs(int index) {
  switch (index) {
    case 0:
      return 1;
    case 1:
      return 1000;
    case 3:
      return 3600000;
    default:
      return 60000;
  }
}
