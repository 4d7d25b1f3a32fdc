// The due task check over tasks held in memory. Usage: due_task_memory_bench [checks]
#include <cstdlib>
#include <ctime>

#include "DueTaskCheck.h"

int main(int argc, char** argv) {
  const int checks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
#ifndef _WIN32
  setenv("TZ", "Europe/Berlin", 1);  // a zone with daylight saving, as most users have
  tzset();
#endif
  constexpr int kRows = 10'000;
  const StillClock clock(std::time(nullptr));
  MemoryTaskTable tasks;
  AddTasksNotDue(tasks, kRows, clock.Now());
  const double ms = MedianCheckMs(tasks, clock, checks);
  if (ms < 0) {
    std::fprintf(stderr, "due_task_memory_bench: a task fired\n");
    return 1;
  }
  PrintCheck("in memory", kRows, checks, ms);
  return 0;
}
