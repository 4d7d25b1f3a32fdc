// The task list control as the task table: its rows are the only copy of the tasks
// while the program runs, in the columns Task Name, Time, Date, Every, Repeat Times and
// Script.
#pragma once

#include "../shared/win/controls/ListView.h"
#include "engine/TaskTable.h"

class TaskListTable : public TaskTable {
 public:
  explicit TaskListTable(const ListView& list) : list_(list) {}

  int Count() const override { return list_.Count(); }
  std::wstring Text(int row, TaskColumn column) const override {
    return list_.ItemText(row, static_cast<int>(column));
  }
  TaskEntry Row(int row) const override;
  void SetRow(int row, const TaskEntry& task) override;
  void Append(const TaskEntry& task) override;
  void Delete(int row) override { list_.DeleteItem(row); }

 private:
  const ListView& list_;
};
