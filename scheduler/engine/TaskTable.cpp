#include "TaskTable.h"

std::wstring MemoryTaskTable::Text(int row, TaskColumn column) const {
  const TaskEntry& task = rows.at(row);
  switch (column) {
    case TaskColumn::TaskName: return task.taskName;
    case TaskColumn::Time: return task.time;
    case TaskColumn::Date: return task.date;
    case TaskColumn::Every: return task.every;
    case TaskColumn::RepeatTimes: return task.repeatTimes;
    case TaskColumn::Script: return task.script;
  }
  return {};
}
