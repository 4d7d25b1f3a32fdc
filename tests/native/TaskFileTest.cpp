#include "../../scheduler/engine/TaskFile.h"

#include <gtest/gtest.h>

#include "MemoryFileStore.h"

using Bytes = std::vector<uint8_t>;

static void PrintTo(const TaskEntry& t, std::ostream* out) {
  *out << "{" << testing::PrintToString(t.taskName) << ", " << testing::PrintToString(t.time) << ", "
       << testing::PrintToString(t.date) << ", " << testing::PrintToString(t.every) << ", "
       << testing::PrintToString(t.repeatTimes) << ", " << testing::PrintToString(t.script) << "}";
}

namespace {

const std::wstring kPath = L"C:\\Users\\Zo\u00EB\\AppData\\Roaming\\Quennet\\Sorvane\\tasks.ini";
const std::wstring kNewerVersion =
    L"Can not load this version of Hestorn File.\nYou may need to update Dunmere to the latest version.";
const std::u16string kHead = u"#Sorvane Hestorn File - https://www.sorvane.example/hestorn\r\nVersion=1\r\n";
const TaskEntry kDaily{L"Daily backup", L"09:05", L"2014-1-5", L"Day", L"1", L"C:\\Records\\Backup.rec"};
const std::u16string kDailyLine =
    u"TaskName=Daily backup|Time=09:05|Date=2014-1-5|Every=Day|RepeatTimes=1|Script=C:\\Records\\Backup.rec";

Bytes Utf16Le(std::u16string_view text) {
  Bytes bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

struct Loaded {
  std::vector<TaskEntry> rows;
  int count;
  std::wstring errorText;
};

// Loads the bytes into a table that already holds a row, which the load must drop.
Loaded Load(const std::optional<Bytes>& file) {
  MemoryFileStore store;
  if (file) store.files[kPath] = *file;
  MemoryTaskTable table;
  table.Append(TaskEntry{L"stale", L"00:00", L"2000-1-1", L"Once", L"1", L"x"});
  std::wstring errorText;
  const int count = LoadTasks(store, kPath, table, errorText);
  return {table.rows, count, errorText};
}

TEST(TaskFile, SaveWritesUtf16LinesWithoutByteOrderMark) {
  MemoryFileStore store;
  MemoryTaskTable table;
  std::wstring errorText;
  ASSERT_TRUE(SaveTasks(store, kPath, table, errorText));
  EXPECT_EQ(store.files[kPath], Utf16Le(kHead));

  table.Append(kDaily);
  table.Append(TaskEntry{L"Zo\u00EB", L"23:59", L"2026-12-31", L"Computer idle for 10 minutes", L"Unlimited",
                         L"D:\\a b\\c.txt"});
  ASSERT_TRUE(SaveTasks(store, kPath, table, errorText));
  EXPECT_EQ(store.files[kPath],
            Utf16Le(kHead + kDailyLine +
                    u"\r\nTaskName=Zo\u00EB|Time=23:59|Date=2026-12-31|Every=Computer idle for 10 minutes"
                    u"|RepeatTimes=Unlimited|Script=D:\\a b\\c.txt\r\n"));
  EXPECT_EQ(errorText, L"");
}

TEST(TaskFile, FailedSaveKeepsTheOldFileAndSaysSo) {
  MemoryFileStore store;
  store.files[kPath] = Utf16Le(kHead + kDailyLine);
  store.failWrites = true;
  MemoryTaskTable table;
  std::wstring errorText;
  EXPECT_FALSE(SaveTasks(store, kPath, table, errorText));
  EXPECT_EQ(errorText, L"Save tasks failed!");
  EXPECT_EQ(store.files[kPath], Utf16Le(kHead + kDailyLine));
}

TEST(TaskFile, SavedTasksLoadBackByteForByte) {
  const std::vector<TaskEntry> tasks{
      kDaily,
      {L"a=b == c", L"00:00", L"2014-12-31", L"Once", L"Unlimited", L"C:\\x=y\\z.rec"},
      {L"Zo\u00EB \u00C4rger \u65E5\u672C\u8A9E \U0001F600", L"7:3", L"2026-2-29", L"15 Minutes", L"3x",
       L"C:\\R\u00E9cords\\\U0001F600.rec"},
      {L" leading blank", L"12:00", L"1999-1-1", L"System Startup", L"-4", L"\\\\server\\share\\run.bat"},
      {L"#not a comment", L"x", L"y", L"Computer idle for 1 minutes", L"2147483647", L"z"},
  };
  MemoryFileStore store;
  MemoryTaskTable saved;
  for (const TaskEntry& task : tasks) saved.Append(task);
  std::wstring errorText;
  ASSERT_TRUE(SaveTasks(store, kPath, saved, errorText));

  MemoryTaskTable loaded;
  EXPECT_EQ(LoadTasks(store, kPath, loaded, errorText), static_cast<int>(tasks.size()));
  EXPECT_EQ(loaded.rows, tasks);
  EXPECT_EQ(errorText, L"");
}

TEST(TaskFile, GetTaskFieldFindsTheFirstOccurrenceWithoutRegardToCase) {
  const struct {
    std::wstring_view line, key, value;
  } cases[] = {
      {L"TaskName=Abc|Time=1:2", L"taskname", L"Abc"},
      {L"TASKNAME=MiXed|x=1", L"TaskName", L"MiXed"},
      {L"Time=1:2|Script=C:\\A|B", L"Script", L"C:\\A"},
      {L"Script=C:\\End", L"Script", L"C:\\End"},
      {L"TaskName=update=5|Date=2014-1-5", L"Date", L"5"},
      {L"TaskName=a|Time=", L"Time", L""},
      {L"TaskName=a", L"Time", L""},
      {L"Time", L"Time", L""},
      {L"", L"Time", L""},
      {L"RepeatTimes=3|Time=4", L"Time", L"4"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetTaskField(c.line, c.key), c.value) << testing::PrintToString(c.line);
}

TEST(TaskFile, LoadReadsVersionAndTaskLinesByTheirRules) {
  const TaskEntry kThreeX{L"Daily backup", L"09:05", L"2014-1-5", L"Day", L"3x", L"C:\\Records\\Backup.rec"};
  const struct {
    const char* name;
    std::u16string text;
    std::vector<TaskEntry> rows;
    std::wstring errorText;
  } cases[] = {
      {"plain", kHead + kDailyLine + u"\r\n", {kDaily}, L""},
      {"last line without end", kHead + kDailyLine, {kDaily}, L""},
      {"upper-case version key", u"VERSION=1\r\n" + kDailyLine, {kDaily}, L""},
      {"version 0", u"version=0\r\n" + kDailyLine, {kDaily}, L""},
      {"leading = before the version key", u"==Version=1\r\n" + kDailyLine, {kDaily}, L""},
      {"version with blanks and trailing text", u"Version= +1 beta\r\n" + kDailyLine, {kDaily}, L""},
      {"version 2", u"Version=2\r\n" + kDailyLine, {}, kNewerVersion},
      {"negative version", u"Version=-1\r\n" + kDailyLine, {}, kNewerVersion},
      {"version not a number", u"Version=x\r\n" + kDailyLine, {}, L""},
      {"version line without =", u"Version\r\n" + kDailyLine, {}, L""},
      {"no version line", kDailyLine + u"\r\n" + kDailyLine, {}, L""},
      {"lines before the version line skipped", kDailyLine + u"\r\nVersion=1\r\n" + kDailyLine, {kDaily}, L""},
      {"update=5 name finds its Date inside the name",
       u"Version=1\r\nTaskName=update=5|Time=09:05|Date=2014-1-5|Every=Day|RepeatTimes=1|Script=s",
       {{L"update=5", L"09:05", L"5", L"Day", L"1", L"s"}},
       L""},
      {"RepeatTimes 3x kept as it is",
       u"Version=1\r\nTaskName=Daily backup|Time=09:05|Date=2014-1-5|Every=Day|RepeatTimes=3x|Script=C:\\Records\\"
       u"Backup.rec",
       {kThreeX},
       L""},
      {"RepeatTimes many dropped", u"Version=1\r\nTaskName=a|Time=1|Date=2|Every=Day|RepeatTimes=many|Script=s", {}, L""},
      {"RepeatTimes unlimited in lower case dropped",
       u"Version=1\r\nTaskName=a|Time=1|Date=2|Every=Day|RepeatTimes=unlimited|Script=s",
       {},
       L""},
      {"empty name dropped", u"Version=1\r\nTaskName=|Time=1|Date=2|Every=Day|RepeatTimes=1|Script=s", {}, L""},
      {"missing key dropped", u"Version=1\r\nTaskName=a|Time=1|Date=2|Every=Day|RepeatTimes=1", {}, L""},
      {"keys in any order, with others among them",
       u"Version=1\r\nscript=s|Color=red|every=Once|REPEATTIMES=Unlimited|date=2|time=1|taskname=a|x=y",
       {{L"a", L"1", L"2", L"Once", L"Unlimited", L"s"}},
       L""},
      {"LF only, blank and indented lines, comments anywhere",
       u"\n\n  \t#Sorvane\n\t Version=1\n\n# a note\n  " + kDailyLine + u"\r\r\n\t" + kDailyLine + u"\n",
       {kDaily, kDaily},
       L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Loaded loaded = Load(Utf16Le(c.text));
    EXPECT_EQ(loaded.rows, c.rows);
    EXPECT_EQ(loaded.count, static_cast<int>(c.rows.size()));
    EXPECT_EQ(loaded.errorText, c.errorText);
  }
}

TEST(TaskFile, EncodingIsChosenByTheSecondByte) {
  const std::string ansi = "Version=1\r\nTaskName=Zo\xEB|Time=1|Date=2|Every=Day|RepeatTimes=1|Script=C:\\\xC4.rec\r\n";
  const Loaded eightBit = Load(Bytes(ansi.begin(), ansi.end()));
  EXPECT_EQ(eightBit.rows, (std::vector<TaskEntry>{{L"Zo\u00EB", L"1", L"2", L"Day", L"1", L"C:\\\u00C4.rec"}}));

  Bytes withMark{0xFF, 0xFE};
  const Bytes text = Utf16Le(kHead + kDailyLine);
  withMark.insert(withMark.end(), text.begin(), text.end());
  const Loaded marked = Load(withMark);
  EXPECT_EQ(marked.rows, std::vector<TaskEntry>{});
  EXPECT_EQ(marked.errorText, L"");
}

TEST(TaskFile, MissingShortAndDamagedFilesLoadWithoutReadingPastTheirEnd) {
  const Bytes whole = Utf16Le(kHead + kDailyLine + u"\r\n");
  const struct {
    const char* name;
    std::optional<Bytes> file;
    std::vector<TaskEntry> rows;
  } cases[] = {
      {"missing", std::nullopt, {}},
      {"empty", Bytes{}, {}},
      {"one byte", Bytes{'V'}, {}},
      {"one UTF-16 unit", Bytes{'V', 0}, {}},
      {"odd length", [&] { Bytes b = whole; b.push_back('x'); return b; }(), {kDaily}},
      {"cut inside the task line", Bytes(whole.begin(), whole.end() - 20),
       {{L"Daily backup", L"09:05", L"2014-1-5", L"Day", L"1", L"C:\\Records\\Ba"}}},
      {"cut inside the version line", Bytes(whole.begin(), whole.begin() + kHead.size() * 2 - 6), {}},
      {"lone surrogates", Utf16Le(kHead + u"TaskName=\xD800|Time=1|Date=\xDC00|Every=Day|RepeatTimes=1|Script=s"),
       {{L"\xD800", L"1", L"\xDC00", L"Day", L"1", L"s"}}},
      {"only separators", Utf16Le(u"Version=1\r\n=\r\n|\r\n==|==\r\nTaskName=\r\n#\r\n"), {}},
      {"NUL characters", Utf16Le(std::u16string(u"Version=1\r\n\0\0\r\n", 15)), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Loaded loaded = Load(c.file);
    EXPECT_EQ(loaded.rows, c.rows);
    EXPECT_EQ(loaded.errorText, L"");
  }
}

}  // namespace
