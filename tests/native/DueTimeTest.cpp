#include "../../scheduler/engine/DueTime.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "SchedulerTestClock.h"

namespace {

TaskEntry Task(const wchar_t* time, const wchar_t* date, const wchar_t* every,
               const wchar_t* repeatTimes = L"1", const wchar_t* name = L"Backup") {
  return {name, time, date, every, repeatTimes, L"C:\\Records\\Backup.rec"};
}

// The row's due time as "date time" texts.
std::wstring Shown(const TaskEntry& task) { return task.date + L" " + task.time; }

std::wstring Shown(std::int64_t dueTime) {
  TaskEntry task;
  SetDueTime(task, dueTime);
  return Shown(task);
}

std::wstring Advanced(const wchar_t* time, const wchar_t* date, const wchar_t* every) {
  const std::optional<std::int64_t> due = ParseDueTime(Task(time, date, every));
  if (!due) return L"unparsed";
  return Shown(AdvanceDueTime(*due, every));
}

}  // namespace

TEST(DueTime, ParsesLocalDateAndTime) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* time;
    const wchar_t* date;
    const wchar_t* shown;
  } cases[] = {
      {L"10:00", L"2013-5-4", L"2013-5-4 10:00"},
      {L"7:5", L"2013-05-04", L"2013-5-4 07:05"},
      {L"10", L"2013-5-4", L"2013-5-4 10:00"},
      {L"23:59", L"1900-1-1", L"1900-1-1 23:59"},
      {L"10:00", L"2014-2-31", L"2014-3-3 10:00"},
      {L"00:00", L"2013-10-27", L"2013-10-27 00:00"},
  };
  for (const auto& c : cases) {
    const std::optional<std::int64_t> due = ParseDueTime(Task(c.time, c.date, L"Day"));
    ASSERT_TRUE(due) << c.date << L" " << c.time;
    EXPECT_EQ(Shown(*due), c.shown) << c.date << L" " << c.time;
  }
}

TEST(DueTime, RefusesTimesAndDatesOutOfRange) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* time;
    const wchar_t* date;
  } cases[] = {
      {L"24:00", L"2013-5-4"}, {L"10:60", L"2013-5-4"},    {L"-1:00", L"2013-5-4"},
      {L"10:-1", L"2013-5-4"}, {L"10:00", L"1899-12-31"},  {L"10:00", L"2013-13-1"},
      {L"10:00", L"2013-0-1"}, {L"10:00", L"2013-1-32"},   {L"10:00", L"2013-1-0"},
      {L"10:00", L"5"},        {L"10:00", L"next Monday"}, {L"10:00", L""},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ParseDueTime(Task(c.time, c.date, L"Day"))) << c.date << L" " << c.time;
  }
}

TEST(DueTime, AdvancesByOnePeriod) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* time;
    const wchar_t* date;
    const wchar_t* every;
    const wchar_t* next;
  } cases[] = {
      {L"10:00", L"2013-5-4", L"Day", L"2013-5-5 10:00"},
      {L"10:00", L"2013-5-4", L"Week", L"2013-5-11 10:00"},
      {L"10:00", L"2013-1-31", L"Month", L"2013-3-3 10:00"},
      {L"10:00", L"2012-1-31", L"Month", L"2012-3-2 10:00"},
      {L"10:00", L"2013-1-15", L"Month", L"2013-2-15 10:00"},
      {L"10:00", L"2013-1-15", L"2 Months", L"2013-3-15 10:00"},
      {L"10:00", L"2012-2-29", L"1 Years", L"2013-3-1 10:00"},
      {L"10:00", L"2013-3-1", L"1 Years", L"2014-3-1 10:00"},
      {L"10:00", L"2012-2-29", L"4 Years", L"2016-2-29 10:00"},
      {L"10:00", L"2013-5-4", L"15 Minutes", L"2013-5-4 10:15"},
      {L"23:30", L"2013-5-4", L"50 Minutes", L"2013-5-5 00:20"},
      {L"10:00", L"2013-5-4", L"3 Hours", L"2013-5-4 13:00"},
      {L"10:00", L"2013-5-4", L"3 Days", L"2013-5-7 10:00"},
      {L"10:00", L"2013-5-4", L"2 Weeks", L"2013-5-18 10:00"},
      {L"10:00", L"2013-5-4", L" \t15 Minutes", L"2013-5-4 10:15"},
      {L"10:00", L"2013-5-4", L"15\tMinutes", L"2013-5-4 10:15"},
      // Fixed periods keep their length across the autumn change; Years keeps the clock time.
      {L"10:00", L"2013-10-26", L"Day", L"2013-10-27 09:00"},
      {L"10:00", L"2013-10-22", L"Week", L"2013-10-29 09:00"},
      {L"10:00", L"2013-10-15", L"Month", L"2013-11-16 09:00"},
      {L"10:00", L"2013-3-30", L"Day", L"2013-3-31 11:00"},
      {L"10:00", L"2012-10-27", L"1 Years", L"2013-10-27 10:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Advanced(c.time, c.date, c.every), c.next) << c.date << L" " << c.every;
  }
}

TEST(DueTime, LeavesTheDueTimeWhereTheTextIsNoPeriod) {
  TimeZone zone("Europe/Berlin");
  const wchar_t* const texts[] = {
      L"", L"  ", L"day", L"Fortnight", L"15", L"15 minutes", L"15  Minutes", L"15 Minutes ",
      L"x Days", L"0 Days", L"-1 Days", L"-2 Months", L"0 Years", L"2147483647 Years", L"2000000000 Months",
  };
  const std::int64_t due = LocalSeconds(2013, 5, 4, 10, 0);
  for (const wchar_t* every : texts) {
    EXPECT_EQ(AdvanceDueTime(due, every), due) << L"'" << every << L"'";
  }
}

TEST(DueTime, DaysInMonthCountsOneMoreWhenTheClocksGoBack) {
  const struct {
    const char* zone;
    int year, month;
    int days;
  } cases[] = {
      {"Europe/Berlin", 2013, 1, 31},    {"Europe/Berlin", 2013, 2, 28},
      {"Europe/Berlin", 2012, 2, 29},    {"Europe/Berlin", 2013, 4, 30},
      {"Europe/Berlin", 2013, 3, 31},    {"Europe/Berlin", 2013, 10, 32},
      {"America/New_York", 2013, 10, 31}, {"America/New_York", 2013, 11, 31},
      {"America/New_York", 2013, 3, 31},
  };
  for (const auto& c : cases) {
    TimeZone zone(c.zone);
    for (const int day : {1, 15, 28}) {
      EXPECT_EQ(DaysInMonth(LocalSeconds(c.year, c.month, day, 12, 0)), c.days)
          << c.zone << " " << c.year << "-" << c.month << "-" << day;
    }
  }
}

TEST(DueTime, ADailyTaskFallsAnHourWhenTheClocksGoBack) {
  const struct {
    const char* zone;
    const wchar_t* date;
    const wchar_t* next;
  } cases[] = {
      {"Europe/Berlin", L"2013-10-26", L"2013-10-27 09:00"},
      {"America/New_York", L"2013-11-2", L"2013-11-3 09:00"},
      {"America/New_York", L"2013-10-26", L"2013-10-27 10:00"},
  };
  for (const auto& c : cases) {
    TimeZone zone(c.zone);
    EXPECT_EQ(Advanced(L"10:00", c.date, L"Day"), c.next) << c.zone;
  }
}

TEST(CatchUpDueTimes, MovesPassedRecurringTasksToTheirFirstDueTimeFromNow) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* every;
    const wchar_t* date;
    std::int64_t now;
    const wchar_t* shown;
  } cases[] = {
      {L"Day", L"2013-5-1", LocalSeconds(2013, 5, 4, 12, 0), L"2013-5-5 10:00"},
      {L"Day", L"2013-5-1", LocalSeconds(2013, 5, 4, 9, 0), L"2013-5-4 10:00"},
      {L"Day", L"2013-5-1", LocalSeconds(2013, 5, 4, 10, 0, 59), L"2013-5-4 10:00"},
      {L"Day", L"2013-10-25", LocalSeconds(2013, 10, 28, 8, 0), L"2013-10-28 09:00"},
      {L"15 Minutes", L"2013-5-4", LocalSeconds(2013, 5, 4, 10, 20), L"2013-5-4 10:30"},
      // March has 31 whole days, so the step over the spring change ends an hour later.
      {L"Month", L"2013-1-31", LocalSeconds(2013, 3, 10, 0, 0), L"2013-4-3 11:00"},
      {L"1 Years", L"2012-2-29", LocalSeconds(2013, 6, 1, 0, 0), L"2014-3-1 10:00"},
  };
  for (const auto& c : cases) {
    MemoryTaskTable tasks;
    tasks.Append(Task(L"10:00", c.date, c.every));
    FakeClock clock;
    clock.now = c.now;
    EXPECT_TRUE(CatchUpDueTimes(tasks, clock)) << c.every << L" from " << c.date;
    EXPECT_EQ(Shown(tasks.Row(0)), c.shown) << c.every << L" from " << c.date;
  }
}

TEST(CatchUpDueTimes, LeavesTasksThatAreNotOverdueOrCannotBeMoved) {
  TimeZone zone("Europe/Berlin");
  const TaskEntry unchanged[] = {
      Task(L"10:00", L"2013-5-5", L"Day"),
      Task(L"10:00", L"2013-5-4", L"Day"),
      Task(L"10:00", L"2013-5-1", L"Once"),
      Task(L"10:00", L"2013-5-1", L"System Startup"),
      Task(L"10:00", L"2013-5-1", L"Computer idle for 10 minutes"),
      Task(L"10:00", L"2013-5-1", L"COMPUTER IDLE FOR 10 minutes"),
      Task(L"10:00", L"2013-5-1", L"Fortnight"),
      Task(L"10:00", L"2013-5-1", L"0 Days"),
      Task(L"10:00", L"2013-5-1", L"-1 Days"),
      Task(L"25:00", L"2013-5-1", L"Day"),
      Task(L"10:00", L"2013-13-1", L"Day"),
  };
  MemoryTaskTable tasks;
  for (const TaskEntry& task : unchanged) tasks.Append(task);
  tasks.Append(Task(L"10:00", L"2013-5-1", L"Day"));
  FakeClock clock;
  clock.now = LocalSeconds(2013, 5, 4, 10, 0, 30);

  EXPECT_TRUE(CatchUpDueTimes(tasks, clock));

  for (int row = 0; row < std::ssize(unchanged); ++row) {
    EXPECT_EQ(tasks.Row(row), unchanged[row]) << unchanged[row].every;
  }
  EXPECT_EQ(Shown(tasks.Row(std::ssize(unchanged))), L"2013-5-4 10:00");
  tasks.rows.pop_back();
  EXPECT_FALSE(CatchUpDueTimes(tasks, clock));
}

// A row fires in the minute that mktime makes of its texts, also where those name a day
// past the month's end or the day the clocks go back.
TEST(FindDueTask, FiresOnlyWithinTheDueMinute) {
  const struct {
    const char* zone;
    const wchar_t* time;
    const wchar_t* date;
    std::int64_t (*now)();
    bool fires;
  } cases[] = {
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2013, 5, 4, 9, 59, 59); }, false},
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2013, 5, 4, 10, 0, 0); }, true},
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2013, 5, 4, 10, 0, 59); }, true},
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2013, 5, 4, 10, 1, 0); }, false},
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2013, 5, 5, 10, 0, 0); }, false},
      {"Europe/Berlin", L"10:00", L"2013-5-4", [] { return LocalSeconds(2014, 5, 4, 10, 0, 0); }, false},
      {"Europe/Berlin", L"10:00", L"2014-2-31", [] { return LocalSeconds(2014, 3, 3, 10, 0, 10); }, true},
      {"America/New_York", L"10:00", L"2013-11-3", [] { return LocalSeconds(2013, 11, 3, 10, 0, 10); }, true},
  };
  for (const auto& c : cases) {
    TimeZone zone(c.zone);
    MemoryTaskTable tasks;
    tasks.Append(Task(c.time, c.date, L"Day"));
    FakeClock clock;
    clock.now = c.now();
    EXPECT_EQ(FindDueTask(tasks, clock).has_value(), c.fires) << c.zone << " " << c.date << L" " << c.time << L" at " << Shown(clock.now);
  }
}

TEST(FindDueTask, AFiredTaskShowsItsNextDueTimeOrIsDeleted) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* every;
    const wchar_t* repeatTimes;
    int runCount;
    bool deleted;
    const wchar_t* shown;  // the row afterwards
  } cases[] = {
      {L"Day", L"1", 1, false, L"2013-5-5 10:00"},
      {L"15 Minutes", L"Unlimited", -1, false, L"2013-5-4 10:15"},
      {L"Month", L"3x", 3, false, L"2013-6-4 10:00"},
      {L"Fortnight", L" 2", 2, false, L"2013-5-4 10:00"},
      {L"Once", L"4", 4, true, L""},
  };
  for (const auto& c : cases) {
    MemoryTaskTable tasks;
    tasks.Append(Task(L"10:00", L"2013-5-4", c.every, c.repeatTimes));
    FakeClock clock;
    clock.now = LocalSeconds(2013, 5, 4, 10, 0, 30);

    const std::optional<DueTask> due = FindDueTask(tasks, clock);

    ASSERT_TRUE(due) << c.every;
    EXPECT_EQ(due->taskName, L"Backup");
    EXPECT_EQ(due->script, L"C:\\Records\\Backup.rec");
    EXPECT_EQ(due->runCount, c.runCount) << c.every;
    EXPECT_EQ(due->deleted, c.deleted) << c.every;
    EXPECT_EQ(tasks.Count(), c.deleted ? 0 : 1) << c.every;
    if (!c.deleted) {
      EXPECT_EQ(Shown(tasks.Row(0)), c.shown) << c.every;
    }
  }
}

TEST(FindDueTask, PassesOverRowsThatCannotFireAndTakesTheFirstDue) {
  TimeZone zone("Europe/Berlin");
  MemoryTaskTable tasks;
  const TaskEntry passedOver[] = {
      Task(L"10:00", L"2013-5-4", L"System Startup", L"1", L"startup"),
      Task(L"10:00", L"2013-5-4", L"Day", L"many", L"many"),
      Task(L"10:00", L"2013-13-4", L"Day", L"1", L"bad date"),
      Task(L"10:60", L"2013-5-4", L"Day", L"1", L"bad time"),
      Task(L"10:01", L"2013-5-4", L"Day", L"1", L"later"),
  };
  for (const TaskEntry& task : passedOver) tasks.Append(task);
  tasks.Append(Task(L"10:00", L"2013-5-4", L"Day", L"1", L"first due"));
  tasks.Append(Task(L"10:00", L"2013-5-4", L"Day", L"1", L"second due"));
  FakeClock clock;
  clock.now = LocalSeconds(2013, 5, 4, 10, 0);

  std::optional<DueTask> due = FindDueTask(tasks, clock);
  ASSERT_TRUE(due);
  EXPECT_EQ(due->taskName, L"first due");
  due = FindDueTask(tasks, clock);
  ASSERT_TRUE(due);
  EXPECT_EQ(due->taskName, L"second due");
  EXPECT_FALSE(FindDueTask(tasks, clock));
  for (int row = 0; row < std::ssize(passedOver); ++row) {
    EXPECT_EQ(tasks.Row(row), passedOver[row]) << passedOver[row].taskName;
  }
}

TEST(FindDueTask, IdleTasksFireAfterTheirMinutesWithoutInput) {
  TimeZone zone("Europe/Berlin");
  constexpr std::uint32_t kMinute = 60000;
  const struct {
    const wchar_t* every;
    std::uint32_t tick;
    std::optional<std::uint32_t> lastInput;
    bool fires;
  } cases[] = {
      {L"Computer idle for 10 minutes", 20 * kMinute, 10 * kMinute, true},
      {L"Computer idle for 10 minutes", 20 * kMinute, 10 * kMinute + 1, false},
      {L"Computer idle for 3 minutes", 3 * kMinute, 0, true},
      {L"Computer idle for 0 minutes", 3 * kMinute - 1, 0, false},  // three minutes after start
      {L"Computer idle for 0 minutes", 20 * kMinute, 19 * kMinute, true},
      {L"Computer idle for 0 minutes", 20 * kMinute, 19 * kMinute + 1, false},
      {L"Computer idle for 10 minutes", 20 * kMinute, std::nullopt, false},
      {L"Computer idle for 10 minutes", 20 * kMinute, 20 * kMinute, false},
      {L"Computer idle for 10 minutes", 20 * kMinute, 30 * kMinute, false},
      {L"Computer idle for  \t10 minutes", 20 * kMinute, 10 * kMinute, true},
      {L"computer IDLE for 10 minutes", 20 * kMinute, 10 * kMinute, true},
      {L"Computer idle for ten minutes", 20 * kMinute, 0, false},
  };
  for (const auto& c : cases) {
    MemoryTaskTable tasks;
    tasks.Append(Task(L"10:00", L"2013-5-4", c.every, L"2"));
    FakeClock clock;
    clock.now = LocalSeconds(2013, 5, 4, 10, 0);
    clock.tick = c.tick;
    clock.lastInput = c.lastInput;
    EXPECT_EQ(FindDueTask(tasks, clock).has_value(), c.fires)
        << c.every << L" at " << c.tick << L" after " << c.lastInput.value_or(0);
  }
}

TEST(FindDueTask, IdleRunCountsAndCountDown) {
  TimeZone zone("Europe/Berlin");
  const struct {
    const wchar_t* every;
    const wchar_t* repeatTimes;
    bool fires;
    int runCount;
    bool deleted;
    const wchar_t* repeatAfter;
  } cases[] = {
      {L"Computer idle for 10 minutes", L"2", true, 2, false, L"2"},
      {L"Computer idle for 10 minutes", L"Unlimited", true, -1, false, L"Unlimited"},
      {L"Computer idle for 10 minutes", L"many", false, 0, false, L"many"},
      {L"COMPUTER IDLE FOR 10 MINUTES", L"Unlimited", true, 1, false, L"Unlimited"},
      {L"COMPUTER IDLE FOR 10 MINUTES", L"3", true, 1, false, L"2"},
      {L"COMPUTER IDLE FOR 10 MINUTES", L"1", true, 1, true, L""},
      {L"COMPUTER IDLE FOR 10 MINUTES", L"0", true, 1, true, L""},
  };
  for (const auto& c : cases) {
    MemoryTaskTable tasks;
    const TaskEntry before = Task(L"10:00", L"2013-5-4", c.every, c.repeatTimes);
    tasks.Append(before);
    FakeClock clock;
    clock.now = LocalSeconds(2013, 5, 5, 12, 0);
    clock.tick = 40 * 60000;
    clock.lastInput = 0;

    const std::optional<DueTask> due = FindDueTask(tasks, clock);

    ASSERT_EQ(due.has_value(), c.fires) << c.every << L" " << c.repeatTimes;
    if (c.fires) {
      EXPECT_EQ(due->runCount, c.runCount) << c.every << L" " << c.repeatTimes;
      EXPECT_EQ(due->deleted, c.deleted) << c.every << L" " << c.repeatTimes;
    }
    ASSERT_EQ(tasks.Count(), c.deleted ? 0 : 1) << c.every << L" " << c.repeatTimes;
    if (c.deleted) continue;
    TaskEntry expected = before;
    expected.repeatTimes = c.repeatAfter;
    EXPECT_EQ(tasks.Row(0), expected) << c.every << L" " << c.repeatTimes;
  }
}
