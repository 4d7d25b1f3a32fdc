#include "TaskListTable.h"

TaskEntry TaskListTable::Row(int row) const {
  return {list_.ItemText(row, 0), list_.ItemText(row, 1), list_.ItemText(row, 2),
          list_.ItemText(row, 3), list_.ItemText(row, 4), list_.ItemText(row, 5)};
}

void TaskListTable::SetRow(int row, const TaskEntry& task) {
  list_.SetItemText(row, 0, task.taskName);
  list_.SetItemText(row, 1, task.time);
  list_.SetItemText(row, 2, task.date);
  list_.SetItemText(row, 3, task.every);
  list_.SetItemText(row, 4, task.repeatTimes);
  list_.SetItemText(row, 5, task.script);
}

void TaskListTable::Append(const TaskEntry& task) {
  const int row = list_.InsertItem(list_.Count(), task.taskName);
  if (row >= 0) SetRow(row, task);
}
