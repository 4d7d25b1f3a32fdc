// The due task check over the program's task list control, which is where the rows
// live while the scheduler runs. Usage: due_task_list_bench [checks]
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <ctime>

#include "../../scheduler/TaskListTable.h"
#include "DueTaskCheck.h"

int main(int argc, char** argv) {
  const int checks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 300, nullptr, nullptr, nullptr, nullptr);
  CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 600, 300, parent, reinterpret_cast<HMENU>(1000),
                  nullptr, nullptr);
  ListView list;
  list.Attach(parent, 1000);
  for (int column = 0; column < 6; ++column) list.InsertColumn(column, L"", 100);

  constexpr int kRows = 10'000;
  const StillClock clock(std::time(nullptr));
  TaskListTable tasks(list);
  AddTasksNotDue(tasks, kRows, clock.Now());
  if (tasks.Count() != kRows) {
    std::fprintf(stderr, "due_task_list_bench: the list holds %d rows\n", tasks.Count());
    return 1;
  }
  const double ms = MedianCheckMs(tasks, clock, checks);
  if (ms < 0) {
    std::fprintf(stderr, "due_task_list_bench: a task fired\n");
    return 1;
  }
  PrintCheck("list control", kRows, checks, ms);
  DestroyWindow(parent);
  return 0;
}
