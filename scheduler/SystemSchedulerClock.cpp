#include "SystemSchedulerClock.h"

#include <windows.h>

#include <ctime>

std::int64_t SystemSchedulerClock::Now() const { return static_cast<std::int64_t>(std::time(nullptr)); }

std::uint32_t SystemSchedulerClock::TickCount() const { return GetTickCount(); }

std::optional<std::uint32_t> SystemSchedulerClock::LastInputTick() const {
  LASTINPUTINFO info{sizeof info, 0};
  if (!GetLastInputInfo(&info)) return std::nullopt;
  return info.dwTime;
}
