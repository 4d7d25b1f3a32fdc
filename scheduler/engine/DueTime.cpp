#include "DueTime.h"

#include "../../shared/portable/TextFormat.h"
#include "../../shared/portable/TextScan.h"

#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <ctime>
#include <limits>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kWeek = 7 * kDay;
constexpr std::wstring_view kIdlePrefix = L"Computer idle for";

std::optional<std::tm> LocalTime(std::int64_t t) {
  const std::time_t time = static_cast<std::time_t>(t);
  const std::tm* local = std::localtime(&time);
  if (local == nullptr) return std::nullopt;
  return *local;
}

// Local date and time back to seconds; the system decides whether daylight saving applies.
std::optional<std::int64_t> FromLocal(std::tm local) {
  local.tm_isdst = -1;
  const std::time_t time = std::mktime(&local);
  if (time == static_cast<std::time_t>(-1)) return std::nullopt;
  return static_cast<std::int64_t>(time);
}

std::int64_t CurrentMinute(const SchedulerClock& clock) {
  const std::int64_t now = clock.Now();
  std::optional<std::tm> local = LocalTime(now);
  if (!local) return now;
  local->tm_sec = 0;
  return FromLocal(*local).value_or(now);
}

// A row's Time and Date as written, before mktime normalises them.
struct LocalFields {
  int year, month, day, hour, minute;
};

std::optional<LocalFields> ParseFields(const std::wstring& time, const std::wstring& date) {
  LocalFields f{};
  std::swscanf(time.c_str(), L"%d:%d", &f.hour, &f.minute);
  std::swscanf(date.c_str(), L"%d-%d-%d", &f.year, &f.month, &f.day);
  if (f.year < 1900 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31 || f.hour < 0 || f.hour > 23 ||
      f.minute < 0 || f.minute > 59) {
    return std::nullopt;
  }
  return f;
}

std::optional<std::int64_t> FromFields(const LocalFields& f) {
  std::tm local{};
  local.tm_year = f.year - 1900;
  local.tm_mon = f.month - 1;
  local.tm_mday = f.day;
  local.tm_hour = f.hour;
  local.tm_min = f.minute;
  return FromLocal(local);
}

// Minutes since 1970 on a clock without time zone or daylight saving. Days past the end
// of a month count on into the next, as mktime has it.
std::int64_t NaiveMinutes(const LocalFields& f) {
  // Days from the civil calendar (years counted from March, 400-year eras).
  const std::int64_t y = f.year - (f.month <= 2);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (f.month + (f.month > 2 ? -3 : 9)) + 2) / 5 + f.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t days = era * 146097 + dayOfEra - 719468;
  return (days * 24 + f.hour) * 60 + f.minute;
}

// The local clock of one place never jumps by two days (the largest jump on record is
// one day, when Samoa crossed the date line). A row written further than that from the
// current minute cannot be due, and needs no mktime.
constexpr std::int64_t kLargestClockJumpMinutes = 2 * 24 * 60;

struct CurrentMinuteOnBothClocks {
  std::int64_t seconds;  // since 1970, the minute's start
  std::optional<std::int64_t> naive;
};

CurrentMinuteOnBothClocks CurrentMinuteOf(const SchedulerClock& clock) {
  const std::optional<std::tm> local = LocalTime(clock.Now());
  if (!local) return {CurrentMinute(clock), std::nullopt};
  const LocalFields f{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min};
  return {CurrentMinute(clock), NaiveMinutes(f)};
}

bool IsIdleTask(std::wstring_view every) {
  if (every.size() < kIdlePrefix.size()) return false;
  for (std::size_t i = 0; i < kIdlePrefix.size(); ++i) {
    if (std::towlower(every[i]) != std::towlower(kIdlePrefix[i])) return false;
  }
  return true;
}

bool IsSeparator(wchar_t c) { return c == L' ' || c == L'\t'; }

constexpr std::int64_t kMaxMonths = 12 * 1000;

std::int64_t AddYears(std::int64_t t, int years) {
  std::optional<std::tm> local = LocalTime(t);
  if (!local || years > std::numeric_limits<int>::max() - local->tm_year) return t;
  local->tm_year += years;
  return FromLocal(*local).value_or(t);
}

std::int64_t AdvanceByCustomPeriod(std::int64_t t, std::wstring_view every) {
  std::size_t start = 0;
  while (start < every.size() && IsSeparator(every[start])) ++start;
  std::size_t end = start;
  while (end < every.size() && !IsSeparator(every[end])) ++end;
  const std::optional<int> count = ScanInt(every.substr(start, end - start));
  if (end == start || !count || *count < 1) return t;
  const std::int64_t n = *count;
  const std::wstring_view unit = end < every.size() ? every.substr(end + 1) : std::wstring_view();
  if (unit == L"Minutes") return t + n * 60;
  if (unit == L"Hours") return t + n * 3600;
  if (unit == L"Days") return t + n * kDay;
  if (unit == L"Weeks") return t + n * kWeek;
  if (unit == L"Months") {
    // Month lengths are counted one by one; a period of more than a thousand years
    // (only possible by editing tasks.ini) would take that long and cannot advance.
    if (n > kMaxMonths) return t;
    for (int step = 0; step < n; ++step) {
      const int days = DaysInMonth(t);
      if (days == 0) break;
      t += days * kDay;
    }
    return t;
  }
  if (unit == L"Years") return AddYears(t, *count);
  return t;
}

// "Unlimited" is -1; otherwise the count in front of the text, if there is one.
std::optional<int> RunCount(const std::wstring& repeatTimes) {
  if (repeatTimes == L"Unlimited") return -1;
  return ScanInt(repeatTimes);
}

bool IdleLongEnough(std::wstring_view every, const SchedulerClock& clock) {
  const std::optional<std::uint32_t> lastInput = clock.LastInputTick();
  const std::uint32_t now = clock.TickCount();
  if (!lastInput || now <= *lastInput || now < 180000) return false;
  const std::uint32_t idle = now - *lastInput;
  if (idle < 60000) return false;
  const std::optional<int> minutes = ScanInt(every.substr(kIdlePrefix.size()));
  return minutes && static_cast<std::int64_t>(idle / 60000) >= *minutes;
}

std::optional<DueTask> FireIdleTask(TaskTable& tasks, int row, const std::wstring& every, const SchedulerClock& clock) {
  if (!IdleLongEnough(every, clock)) return std::nullopt;
  TaskEntry task = tasks.Row(row);
  const bool saysIdle = task.every.find(L"idle") != std::wstring::npos;
  if (task.repeatTimes == L"Unlimited") {
    return DueTask{task.taskName, task.script, saysIdle ? -1 : 1, false};
  }
  const std::optional<int> repeat = ScanInt(task.repeatTimes);
  if (!repeat) return std::nullopt;
  if (saysIdle) return DueTask{task.taskName, task.script, *repeat, false};
  // A hand-edited idle text: the count says how many more times the task fires.
  if (*repeat <= 1) {
    tasks.Delete(row);
    return DueTask{task.taskName, task.script, 1, true};
  }
  task.repeatTimes = FormatText(L"%d", *repeat - 1);
  tasks.SetRow(row, task);
  return DueTask{task.taskName, task.script, 1, false};
}

std::optional<DueTask> FireTimedTask(TaskTable& tasks, int row, const CurrentMinuteOnBothClocks& current) {
  const std::optional<LocalFields> fields =
      ParseFields(tasks.Text(row, TaskColumn::Time), tasks.Text(row, TaskColumn::Date));
  if (!fields) return std::nullopt;
  if (current.naive && std::abs(NaiveMinutes(*fields) - *current.naive) > kLargestClockJumpMinutes) return std::nullopt;
  const std::optional<std::int64_t> due = FromFields(*fields);
  if (!due || *due != current.seconds) return std::nullopt;
  TaskEntry task = tasks.Row(row);
  const std::optional<int> runCount = RunCount(task.repeatTimes);
  if (!runCount) return std::nullopt;
  if (task.every == L"Once") {
    tasks.Delete(row);
    return DueTask{task.taskName, task.script, *runCount, true};
  }
  SetDueTime(task, AdvanceDueTime(*due, task.every));
  tasks.SetRow(row, task);
  return DueTask{task.taskName, task.script, *runCount, false};
}

}  // namespace

std::optional<std::int64_t> ParseDueTime(const TaskEntry& task) {
  const std::optional<LocalFields> fields = ParseFields(task.time, task.date);
  if (!fields) return std::nullopt;
  return FromFields(*fields);
}

void SetDueTime(TaskEntry& task, std::int64_t dueTime) {
  const std::optional<std::tm> local = LocalTime(dueTime);
  if (!local) return;
  task.time = FormatText(L"%02d:%02d", local->tm_hour, local->tm_min);
  task.date = FormatText(L"%d-%d-%d", local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
}

std::int64_t AdvanceDueTime(std::int64_t dueTime, std::wstring_view every) {
  if (every == L"Day") return dueTime + kDay;
  if (every == L"Week") return dueTime + kWeek;
  if (every == L"Month") return dueTime + DaysInMonth(dueTime) * kDay;
  return AdvanceByCustomPeriod(dueTime, every);
}

int DaysInMonth(std::int64_t t) {
  std::optional<std::tm> local = LocalTime(t);
  if (!local) return 0;
  const int month = local->tm_mon;
  local->tm_mday = 1;
  local->tm_hour = local->tm_min = local->tm_sec = 0;
  std::optional<std::int64_t> point = FromLocal(*local);
  if (!point) return 0;
  int count = 0;
  for (std::optional<std::tm> at = LocalTime(*point); at && at->tm_mon == month;
       at = LocalTime(*point)) {
    *point += kDay;
    ++count;
  }
  return count;
}

bool CatchUpDueTimes(TaskTable& tasks, const SchedulerClock& clock) {
  const std::int64_t currentMinute = CurrentMinute(clock);
  bool changed = false;
  for (int row = 0; row < tasks.Count(); ++row) {
    TaskEntry task = tasks.Row(row);
    if (task.every == L"System Startup" || task.every == L"Once" || IsIdleTask(task.every)) continue;
    const std::optional<std::int64_t> due = ParseDueTime(task);
    if (!due) continue;
    std::int64_t t = *due;
    while (t < currentMinute) {
      const std::int64_t next = AdvanceDueTime(t, task.every);
      if (next <= t) break;  // not a period: the row stays as it is
      t = next;
    }
    if (t == *due || t < currentMinute) continue;
    SetDueTime(task, t);
    tasks.SetRow(row, task);
    changed = true;
  }
  return changed;
}

std::optional<DueTask> FindDueTask(TaskTable& tasks, const SchedulerClock& clock) {
  const CurrentMinuteOnBothClocks current = CurrentMinuteOf(clock);
  for (int row = 0; row < tasks.Count(); ++row) {
    const std::wstring every = tasks.Text(row, TaskColumn::Every);
    if (every == L"System Startup") continue;
    const std::optional<DueTask> fired =
        IsIdleTask(every) ? FireIdleTask(tasks, row, every, clock) : FireTimedTask(tasks, row, current);
    if (fired) return fired;
  }
  return std::nullopt;
}
