// The scheduler running due tasks as a user leaves it to: records played by the
// recorder into a probe window, other scripts started directly, the task log, the task
// file afterwards, and the ways a run ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <ctime>
#include <optional>

#include "../../recorder/engine/RecordFile.h"
#include "../../scheduler/engine/DueTime.h"
#include "../../scheduler/engine/TaskFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "Harness.h"
#include "InputProbe.h"

namespace {

constexpr UINT kTrayGetMainWindow = WM_APP + 1;
constexpr UINT kStopRunMessage = WM_APP + 3;
constexpr WPARAM kExitCommand = 1005;
constexpr wchar_t kTrayWindowTitle[] = L"Sorvane-Hestorn-TrayWnd-KIO30DXZ";
constexpr wchar_t kRecorderMutex[] = L"Sorvane_ewi6k20cd2";
constexpr wchar_t kRecorderClass[] = L"Sorvane_IDK290SE5";

MacroEvent Event(EventKind kind, int x, int y, uint32_t gap) {
  return {static_cast<uint16_t>(kind), static_cast<uint16_t>(x), static_cast<uint16_t>(y), 0, gap};
}
MacroEvent Key(EventKind kind, uint16_t vk, uint32_t gap) { return Event(kind, vk, 0, gap); }

bool RecorderRuns() {
  const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kRecorderMutex);
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

size_t Occurrences(const std::wstring& text, const std::wstring& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// A click and a key into the probe, then a minute's wait.
std::vector<MacroEvent> ClickThenWaitMinute() {
  return {
      Event(EventKind::MouseMove, 300, 300, 50),
      Event(EventKind::LeftDown, 300, 300, 50),
      Event(EventKind::LeftUp, 300, 300, 50),
      Key(EventKind::KeyDown, 'A', 50),
      Key(EventKind::KeyUp, 'A', 60000),
      Key(EventKind::KeyDown, 'A', 0),
  };
}

class SchedulerTest : public testing::Test {
 protected:
  void SetUp() override {
    dataFolder_ = AppDataFolder() + L"\\Quennet\\Sorvane";
    SHCreateDirectoryExW(nullptr, dataFolder_.c_str(), nullptr);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"Hestorn Test";  // a space in every script's path
    RemoveTree(folder_);
    CreateDirectoryW(folder_.c_str(), nullptr);
    DeleteFileW(LogPath().c_str());
    WritePrivateProfileStringW(L"Option", L"CreateLog", L"1", (dataFolder_ + L"\\TaskConf.ini").c_str());
    const std::wstring recorderSettings = dataFolder_ + L"\\conf.ini";
    WritePrivateProfileStringW(L"Option", L"NoProgWnd", L"1", recorderSettings.c_str());
    WritePrivateProfileStringW(L"Option", L"UserCtrlTip", nullptr, recorderSettings.c_str());
  }

  void TearDown() override {
    if (HWND main = MainWindow()) PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    WaitForExit(hestorn_, 5000);
    EnsureEnded(hestorn_);
    StopRecorder();
    DeleteFileW(TasksPath().c_str());
    WritePrivateProfileStringW(L"Option", L"NoProgWnd", nullptr, (dataFolder_ + L"\\conf.ini").c_str());
  }

  std::wstring LogPath() const { return dataFolder_ + L"\\TaskLog.txt"; }
  std::wstring TasksPath() const { return TaskFilePath(dataFolder_); }

  std::wstring Log() const {
    const std::string bytes = ReadFileBytes(LogPath());
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  }

  bool WaitForLog(const std::wstring& entry, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (Log().find(entry) == std::wstring::npos) {
      if (GetTickCount64() > end) return false;
      Sleep(50);
    }
    return true;
  }

  // A task due in the current minute, with at least ten seconds of it left when the
  // test asks for its first task; all tasks of a test are due in that same minute.
  TaskEntry DueNow(const wchar_t* name, const wchar_t* every, const wchar_t* repeatTimes, const std::wstring& script) {
    if (!dueMinute_) {
      std::time_t now = std::time(nullptr);
      if (const int second = std::localtime(&now)->tm_sec; second >= 50) {
        Sleep((61 - second) * 1000);
        now = std::time(nullptr);
      }
      dueMinute_ = now;
    }
    TaskEntry task{name, L"", L"", every, repeatTimes, script};
    SetDueTime(task, *dueMinute_);
    return task;
  }

  void WriteTasks(const std::vector<TaskEntry>& rows) {
    MemoryTaskTable table;
    table.rows = rows;
    Win32FileStore files;
    std::wstring error;
    ASSERT_TRUE(SaveTasks(files, TasksPath(), table, error));
  }

  std::vector<TaskEntry> ReadTasks() const {
    MemoryTaskTable table;
    Win32FileStore files;
    std::wstring error;
    LoadTasks(files, TasksPath(), table, error);
    return table.rows;
  }

  std::wstring WriteRecord(const wchar_t* name, const std::vector<MacroEvent>& events) {
    const std::wstring path = folder_ + L"\\" + name;
    Win32FileStore files;
    std::wstring error;
    EXPECT_TRUE(WriteRecordFile(files, path, L"scheduled", events, error));
    return path;
  }

  std::wstring WriteScript(const wchar_t* name, const std::string& text) {
    const std::wstring path = folder_ + L"\\" + name;
    WriteFileBytes(path, text);
    return path;
  }

  // A batch file that adds a line to runs.txt beside it, then ends with exitCode.
  std::wstring WriteCountingScript(const wchar_t* name, int exitCode) {
    std::string folder(folder_.begin(), folder_.end());
    return WriteScript(name, "@echo run>>\"" + folder + "\\runs.txt\"\r\n@exit " + std::to_string(exitCode) + "\r\n");
  }

  size_t Runs() const { return Occurrences(Text(folder_ + L"\\runs.txt"), L"run"); }
  static std::wstring Text(const std::wstring& path) {
    const std::string bytes = ReadFileBytes(path);
    return std::wstring(bytes.begin(), bytes.end());
  }

  void StartHestorn() {
    hestorn_ = StartProgram(L"Hestorn.exe");
    ASSERT_TRUE(hestorn_.process);
    ASSERT_TRUE(WaitForLog(L"Hestorn start", 10000)) << "Hestorn did not start";
  }

  // Starts the scheduler on a task due now whose record clicks into the probe and then
  // waits a minute, and waits for the click.
  void StartLongRecordTask(const InputProbe& probe, const wchar_t* name, const wchar_t* repeatTimes,
                           std::wstring& record) {
    record = WriteRecord(L"long.rec", ClickThenWaitMinute());
    WriteTasks({DueNow(name, L"Day", repeatTimes, record)});
    StartHestorn();
    ASSERT_TRUE(probe.WaitForEvents(3, 30000)) << "the record was not played";
  }

  static HWND MainWindow() {
    HWND tray = FindWindowW(nullptr, kTrayWindowTitle);
    return tray ? reinterpret_cast<HWND>(SendMessageW(tray, kTrayGetMainWindow, 0, 0)) : nullptr;
  }

  void ExitHestorn() {
    HWND main = MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(WaitForExit(hestorn_, 10000)) << "Hestorn did not exit";
  }

  // The recorder's stop hotkey, Alt + F2, as the user presses it.
  static void PressStopHotkey() {
    ReleaseModifiers();
    InjectKey(VK_MENU, false);
    InjectKey(VK_F2, false);
    InjectKey(VK_F2, true);
    InjectKey(VK_MENU, true);
  }

  static void StopRecorder() {
    for (int attempt = 0; attempt < 3 && RecorderRuns(); ++attempt) {
      PressStopHotkey();
      for (int wait = 0; wait < 20 && RecorderRuns(); ++wait) Sleep(100);
    }
  }

  std::wstring dataFolder_;
  std::wstring folder_;
  std::optional<std::time_t> dueMinute_;
  RunningProgram hestorn_;
};

TEST_F(SchedulerTest, ADueRecordIsPlayedAsOftenAsAskedAfterTheRunningRecorderIsClosed) {
  InputProbe probe(200, 200, 500, 400);
  const std::wstring record = WriteRecord(L"twice.rec", {
      Event(EventKind::MouseMove, 300, 300, 50),
      Event(EventKind::LeftDown, 300, 300, 50),
      Event(EventKind::LeftUp, 300, 300, 50),
      Key(EventKind::KeyDown, 'B', 50),
      Key(EventKind::KeyUp, 'B', 0),
  });
  // A name with "=" and letters beyond ASCII, through the list, tasks.ini and the log.
  const std::wstring name = L"Zo\u00EB's daily = \u2713";
  const TaskEntry task = DueNow(name.c_str(), L"Day", L"2", record);
  WriteTasks({task});

  RunningProgram open = StartProgram(L"Sorvane.exe");
  ASSERT_NE(WaitForWindow(kRecorderClass, nullptr, open.id, 10000), nullptr);
  StartHestorn();
  EXPECT_TRUE(WaitForExit(open, 15000)) << "the running recorder was not closed";
  EnsureEnded(open);

  const std::wstring stop = L"Task stop: " + name + L"," + record;
  ASSERT_TRUE(WaitForLog(stop, 60000)) << "the run did not end; log:\n" << testing::PrintToString(Log());
  const std::vector<ProbeEvent> pass = {
      {WM_LBUTTONDOWN, 300, 300}, {WM_LBUTTONUP, 300, 300}, {WM_KEYDOWN, 'B', 0}, {WM_KEYUP, 'B', 0}};
  std::vector<ProbeEvent> twice = pass;
  twice.insert(twice.end(), pass.begin(), pass.end());
  std::vector<ProbeEvent> received = probe.EventsWithoutMoves();
  std::erase_if(received, [](const ProbeEvent& e) { return e.message == WM_KEYUP && e.a >= VK_SHIFT && e.a <= VK_MENU; });
  EXPECT_EQ(received, twice);

  ExitHestorn();
  const std::wstring log = Log();
  EXPECT_TRUE(log.substr(0, log.find(L"\r\n")).ends_with(L"\tHestorn start")) << testing::PrintToString(log);
  EXPECT_EQ(Occurrences(log, L"\tTask start: " + name + L"," + record + L"\r\n"), 1u);
  EXPECT_EQ(Occurrences(log, L"\t" + stop + L"\r\n"), 1u);
  EXPECT_LT(log.find(L"Task start"), log.find(stop));
  EXPECT_TRUE(log.ends_with(L"\tHestorn exit\r\n\r\n")) << testing::PrintToString(log);

  TaskEntry advanced = task;
  SetDueTime(advanced, AdvanceDueTime(*ParseDueTime(task), L"Day"));
  EXPECT_EQ(ReadTasks(), std::vector<TaskEntry>{advanced});
}

TEST_F(SchedulerTest, StoppingThePlaybackEndsTheRunAfterThatStart) {
  InputProbe probe(200, 200, 500, 400);
  std::wstring record;
  ASSERT_NO_FATAL_FAILURE(StartLongRecordTask(probe, L"Long", L"2", record));
  Sleep(200);
  // Wine now and then drops an injected hotkey; a user would press it again.
  bool stopped = false;
  for (int press = 0; press < 3 && !stopped; ++press) {
    PressStopHotkey();
    stopped = WaitForLog(L"Task stop: Long," + record, 3000);
  }
  EXPECT_TRUE(stopped) << "the run went on after the stop";
  Sleep(1000);
  EXPECT_FALSE(RecorderRuns()) << "the record was started again";
  const std::vector<ProbeEvent> events = probe.EventsWithoutMoves();
  EXPECT_EQ(std::count(events.begin(), events.end(), ProbeEvent{WM_LBUTTONDOWN, 300, 300}), 1);
  EXPECT_EQ(Occurrences(Log(), L"Task start: Long,"), 1u);
}

TEST_F(SchedulerTest, TheStopMessageEndsTheWaitAndLeavesThePlaybackRunning) {
  InputProbe probe(200, 200, 500, 400);
  std::wstring record;
  ASSERT_NO_FATAL_FAILURE(StartLongRecordTask(probe, L"Endless", L"Unlimited", record));

  PostMessageW(MainWindow(), kStopRunMessage, 0, 0);
  EXPECT_TRUE(WaitForLog(L"Task stop: Endless," + record, 2000)) << "the wait did not end";
  EXPECT_TRUE(RecorderRuns()) << "the playback was ended";
  StopRecorder();
  Sleep(1000);
  EXPECT_FALSE(RecorderRuns()) << "the record was started again after the stop message";
  EXPECT_EQ(Occurrences(Log(), L"Task start: Endless,"), 1u);
}

// Ticks that arrive while a run is waited for (the task commands restart the timer)
// must not start a second run beside it; the next due task waits for its turn.
TEST_F(SchedulerTest, RunsDoNotNest) {
  InputProbe probe(200, 200, 500, 400);
  const std::wstring script = WriteCountingScript(L"next.bat", 0);
  const std::wstring record = WriteRecord(L"long.rec", ClickThenWaitMinute());
  WriteTasks({DueNow(L"First", L"Day", L"1", record), DueNow(L"Next", L"Day", L"1", script)});
  StartHestorn();
  ASSERT_TRUE(probe.WaitForEvents(3, 30000)) << "the record was not played";

  for (int tick = 0; tick < 3; ++tick) {
    PostMessageW(MainWindow(), WM_TIMER, 100, 0);
    Sleep(300);
  }
  EXPECT_EQ(Runs(), 0u) << "a tick started a run inside the run";
  EXPECT_EQ(Occurrences(Log(), L"Task start: "), 1u);

  PostMessageW(MainWindow(), kStopRunMessage, 0, 0);
  EXPECT_TRUE(WaitForLog(L"Task stop: Next," + script, 10000)) << testing::PrintToString(Log());
  EXPECT_EQ(Runs(), 1u);
}

TEST_F(SchedulerTest, OtherScriptsAreStartedDirectlyAndAOnceTaskIsDeleted) {
  const std::wstring script = WriteCountingScript(L"job.bat", 0);
  const TaskEntry task = DueNow(L"Batch", L"Once", L"3", script);
  WriteTasks({task});
  StartHestorn();
  ASSERT_TRUE(WaitForLog(L"Task stop: Batch," + script, 30000)) << testing::PrintToString(Log());

  EXPECT_EQ(Runs(), 3u);
  EXPECT_TRUE(ReadTasks().empty());
  const std::wstring log = Log();
  const size_t deleted = log.find(L"\tAutomatically delete task: Batch," + script + L"\r\n");
  EXPECT_NE(deleted, std::wstring::npos) << testing::PrintToString(log);
  EXPECT_LT(deleted, log.find(L"Task start: Batch,"));
}

// Two tasks due in the same minute run one after the other. An unlimited script ends
// its run with -2; a script that cannot be started ends its run at once.
TEST_F(SchedulerTest, UnlimitedRunsEndOnMinusTwoOrAFailedStart) {
  const std::wstring stopping = WriteCountingScript(L"stopping.bat", -2);
  const std::wstring missing = folder_ + L"\\missing.bat";
  WriteTasks({DueNow(L"Stopping", L"Day", L"Unlimited", stopping), DueNow(L"Missing", L"Day", L"Unlimited", missing)});
  StartHestorn();
  ASSERT_TRUE(WaitForLog(L"Task stop: Missing," + missing, 30000)) << testing::PrintToString(Log());

  EXPECT_EQ(Runs(), 1u);
  const std::wstring log = Log();
  EXPECT_LT(log.find(L"Task stop: Stopping,"), log.find(L"Task start: Missing,"));
  EXPECT_NE(log.find(L"\tTask start failed: Missing," + missing + L" (error "), std::wstring::npos)
      << testing::PrintToString(log);
  EXPECT_EQ(MainWindow() != nullptr, true) << "Hestorn did not keep running";
}

TEST_F(SchedulerTest, NoLogIsWrittenWhenItIsSwitchedOff) {
  WritePrivateProfileStringW(L"Option", L"CreateLog", L"0", (dataFolder_ + L"\\TaskConf.ini").c_str());
  const std::wstring script = WriteCountingScript(L"quiet.bat", 0);
  WriteTasks({DueNow(L"Quiet", L"Day", L"1", script)});
  hestorn_ = StartProgram(L"Hestorn.exe");
  for (int wait = 0; wait < 300 && Runs() == 0; ++wait) Sleep(100);
  EXPECT_EQ(Runs(), 1u);
  ExitHestorn();
  EXPECT_EQ(GetFileAttributesW(LogPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
