// The once-a-second check of the scheduler over a large task list in which nothing is
// due: the rows, a clock standing still, and the median time of one check.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "../../scheduler/engine/DueTime.h"

// A clock at a fixed moment, with input a second ago, so idle tasks do not fire either.
class StillClock : public SchedulerClock {
 public:
  explicit StillClock(std::int64_t now) : now_(now) {}
  std::int64_t Now() const override { return now_; }
  std::uint32_t TickCount() const override { return 10'000'000; }
  std::optional<std::uint32_t> LastInputTick() const override { return 9'999'000; }

 private:
  std::int64_t now_;
};

// rows tasks of every kind, due from an hour after now on; none fires.
inline void AddTasksNotDue(TaskTable& tasks, int rows, std::int64_t now) {
  const wchar_t* everies[] = {L"Day",       L"Week",      L"Month",         L"15 Minutes",
                              L"2 Months",  L"1 Years",   L"Once",          L"System Startup",
                              L"3 Hours",   L"Computer idle for 10 minutes"};
  for (int row = 0; row < rows; ++row) {
    TaskEntry task{L"Task " + std::to_wstring(row), L"", L"", everies[row % std::size(everies)],
                   row % 3 == 0 ? L"Unlimited" : L"2", L"C:\\Users\\Someone\\Documents\\Sorvane\\Records\\task.rec"};
    SetDueTime(task, now + 3600 + (row % 500) * 3600);
    tasks.Append(task);
  }
}

// Median milliseconds of one FindDueTask over the table; -1 when a task fired.
inline double MedianCheckMs(TaskTable& tasks, const SchedulerClock& clock, int checks) {
  std::vector<double> times;
  for (int i = 0; i < checks; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const bool fired = FindDueTask(tasks, clock).has_value();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (fired) return -1;
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

inline void PrintCheck(const char* table, int rows, int checks, double ms) {
  std::printf("due task check over %d rows (%s), median of %d: %.2f ms per tick (target below 20)\n", rows, table,
              checks, ms);
}
