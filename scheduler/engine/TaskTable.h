// The scheduler's tasks: six texts each, kept in a table of rows in file order.
#pragma once

#include <string>
#include <vector>

// One task. All six are texts as the user sees them; numbers in them are parsed where
// they are used.
struct TaskEntry {
  std::wstring taskName;
  std::wstring time;         // "%02d:%02d"
  std::wstring date;         // "%d-%d-%d", year-month-day
  std::wstring every;        // "Once", "Day", "15 Minutes", "Computer idle for 10 minutes", ...
  std::wstring repeatTimes;  // "Unlimited" or a count
  std::wstring script;       // full path of the file to run

  bool operator==(const TaskEntry&) const = default;
};

// The six texts in the order of the task list's columns.
enum class TaskColumn { TaskName, Time, Date, Every, RepeatTimes, Script };

// The rows of tasks; the program shows them in its task list, tests keep them in memory.
// Rows are numbered from 0.
class TaskTable {
 public:
  virtual ~TaskTable() = default;
  virtual int Count() const = 0;
  // One text of a row: the check of due tasks reads only the texts it needs.
  virtual std::wstring Text(int row, TaskColumn column) const = 0;
  virtual TaskEntry Row(int row) const = 0;
  virtual void SetRow(int row, const TaskEntry& task) = 0;
  virtual void Append(const TaskEntry& task) = 0;
  virtual void Delete(int row) = 0;
};

class MemoryTaskTable : public TaskTable {
 public:
  std::vector<TaskEntry> rows;

  int Count() const override { return static_cast<int>(rows.size()); }
  std::wstring Text(int row, TaskColumn column) const override;
  TaskEntry Row(int row) const override { return rows.at(row); }
  void SetRow(int row, const TaskEntry& task) override { rows.at(row) = task; }
  void Append(const TaskEntry& task) override { rows.push_back(task); }
  void Delete(int row) override { rows.erase(rows.begin() + row); }
};
