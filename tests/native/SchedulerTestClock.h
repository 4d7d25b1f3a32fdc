// A time zone set for one test and a scheduler clock the test moves by hand.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "../../scheduler/engine/DueTime.h"

// Sets the process's time zone for one test and puts the previous one back.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* previous = std::getenv("TZ")) previous_ = previous;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> previous_;
};

class FakeClock : public SchedulerClock {
 public:
  std::int64_t now = 0;
  std::uint32_t tick = 0;
  std::optional<std::uint32_t> lastInput;

  std::int64_t Now() const override { return now; }
  std::uint32_t TickCount() const override { return tick; }
  std::optional<std::uint32_t> LastInputTick() const override { return lastInput; }
};

inline std::int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second = 0) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return std::mktime(&local);
}
