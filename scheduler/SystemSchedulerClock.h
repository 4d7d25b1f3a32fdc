// The scheduler's clock on Windows: wall-clock time, the tick count and the user's
// last input.
#pragma once

#include "engine/DueTime.h"

class SystemSchedulerClock : public SchedulerClock {
 public:
  std::int64_t Now() const override;
  std::uint32_t TickCount() const override;
  std::optional<std::uint32_t> LastInputTick() const override;
};
