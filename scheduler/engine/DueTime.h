// When the scheduler's tasks are due: the Time and Date texts of a row are its next due
// time in local time, and the Every text says how it recurs or that it waits for the
// computer to be idle. All times are seconds since 1970.
#pragma once

#include "TaskTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the scheduler reads from the system; the program passes the real one, tests a fake.
class SchedulerClock {
 public:
  virtual ~SchedulerClock() = default;
  virtual std::int64_t Now() const = 0;  // seconds since 1970
  // Milliseconds since the system started, and the tick of the user's last input; no
  // value when the system cannot tell.
  virtual std::uint32_t TickCount() const = 0;
  virtual std::optional<std::uint32_t> LastInputTick() const = 0;
};

// The row's due time; no value when Time or Date is not a local date and time.
std::optional<std::int64_t> ParseDueTime(const TaskEntry& task);
void SetDueTime(TaskEntry& task, std::int64_t dueTime);

// The due time one period of every later; unchanged when every is not a period or its
// count is below 1.
std::int64_t AdvanceDueTime(std::int64_t dueTime, std::wstring_view every);

// The number of 24-hour steps from local midnight of the first day of the month of t
// that stay in that month: the month's length, one more when the clocks go back in it.
int DaysInMonth(std::int64_t t);

// Moves every recurring task whose due time has passed to its first due time at or after
// the current minute, without running it. Returns whether a row changed.
bool CatchUpDueTimes(TaskTable& tasks, const SchedulerClock& clock);

struct DueTask {
  std::wstring taskName;
  std::wstring script;
  int runCount;  // -1: without limit
  bool deleted;  // the row was removed from the table: a "Once" task, or the last count
};

// The first task that fires now. Its row already shows its next due time, its lowered
// count, or is gone.
std::optional<DueTask> FindDueTask(TaskTable& tasks, const SchedulerClock& clock);
