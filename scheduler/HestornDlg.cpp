#include "HestornDlg.h"

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/frame/MainWindow.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "HestornNames.h"
#include "HestornSettings.h"
#include "engine/DueTime.h"
#include "engine/TaskFile.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kCheckTimer = 100;
constexpr UINT kCheckPeriodMs = 1000;
constexpr DWORD kRunPollMs = 50;

}  // namespace

CHestornDlg::CHestornDlg()
    : ModelessDialog(IDD_HESTORN_DIALOG), log_(files_, TaskLogPath(g_app.dataFolder), clock_) {}

bool CHestornDlg::OnInitDialog() {
  PrepareMainWindow(hwnd_);

  tasks_.Attach(hwnd_, IDC_TASK_LIST);
  tasks_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  const struct {
    const wchar_t* title;
    int width;
  } columns[] = {{L"Task Name", 100}, {L"Time", 60},          {L"Date", 85},
                 {L"Every", 100},     {L"Repeat Times", 100}, {L"Script", 500}};
  for (int i = 0; i < static_cast<int>(std::size(columns)); ++i) {
    tasks_.InsertColumn(i, columns[i].title, columns[i].width);
  }

  tray_.Create(hwnd_);
  log_.SetEnabled(ReadCreateLog());

  LoadTasks(false);
  if (CatchUpDueTimes(table_, clock_)) SaveTasks();
  if (table_.Count() > 0) StartCheckTimer();

  CenterOnScreen(hwnd_);
  Show(SW_SHOW);
  WriteLog(L"Hestorn start");
  return true;
}

bool CHestornDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case ID_OPEN_MAIN_WINDOW:
      OpenMainWindow();
      return true;
    case ID_HELP_ABOUT:
      ShowAboutBox(hwnd_);
      return true;
    case ID_HELP_HELP:
      OpenHelpPage();
      return true;
    // Until the window can hide in the notification area, hiding it would leave the
    // user nothing to bring it back with: OK ends the program like Exit.
    case IDC_HIDE:
    case IDC_EXIT:
    case ID_FILE_EXIT:
      Exit();
      return true;
    default:
      return ModelessDialog::OnCommand(id, code, control);
  }
}

bool CHestornDlg::OnSysCommand(WPARAM command) {
  if (!IsAboutSysCommand(command)) return false;
  ShowAboutBox(hwnd_);
  return true;
}

bool CHestornDlg::OnClose() {
  Exit();
  return true;
}

bool CHestornDlg::OnTimer(UINT_PTR id) {
  if (id != kCheckTimer) return false;
  RunTask();
  return true;
}

bool CHestornDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  if (msg != kStopRunMessage) return false;
  if (!runner_.Finished()) runner_.Stop();
  result = 0;
  return true;
}

void CHestornDlg::OpenMainWindow() const {
  if (IsIconic(hwnd_)) {
    Show(SW_RESTORE);
  } else {
    Show(SW_SHOW);
  }
  SetForegroundWindow(hwnd_);
}

void CHestornDlg::Exit() {
  WriteLog(L"Hestorn exit\r\n");
  exitRequested_ = true;
  // A run being waited for is no longer waited for; its program keeps running.
  runner_.Stop();
  Show(SW_HIDE);
  Post(WM_NULL);  // wakes the application's message loop so that it sees the flag
}

void CHestornDlg::LoadTasks(bool startTimer) {
  StopCheckTimer();
  std::wstring error;
  ::LoadTasks(files_, TaskFilePath(g_app.dataFolder), table_, error);
  if (!error.empty()) ShowMessage(hwnd_, error);
  if (startTimer && table_.Count() > 0) StartCheckTimer();
}

void CHestornDlg::SaveTasks() {
  std::wstring error;
  if (!::SaveTasks(files_, TaskFilePath(g_app.dataFolder), table_, error)) ShowMessage(hwnd_, error);
}

void CHestornDlg::StartCheckTimer() const { SetTimer(hwnd_, kCheckTimer, kCheckPeriodMs, nullptr); }

void CHestornDlg::StopCheckTimer() const { KillTimer(hwnd_, kCheckTimer); }

void CHestornDlg::RunTask() {
  StopCheckTimer();
  // The menu's task commands reload the list during a run, which starts the timer
  // again. Runs must not nest: the tick that started this run restarts the timer.
  if (running_) return;
  running_ = true;
  EnableTaskButtons(false);
  if (const std::optional<DueTask> task = FindDueTask(table_, clock_)) {
    if (task->deleted) WriteLog(TaskLogText(L"Automatically delete task", task->taskName, task->script));
    SaveTasks();
    Run(*task);
  }
  running_ = false;
  if (table_.Count() > 0 && !exitRequested_) StartCheckTimer();
  EnableTaskButtons(true);
}

void CHestornDlg::Run(const DueTask& task) {
  const RunCommand command = ChooseRunCommand(task.script, g_app.moduleFolder);
  if (command.isRecord) {
    CloseRunningRecorder();
    if (exitRequested_) return;  // the user ended the program while we waited
  }
  WriteLog(TaskLogText(L"Task start", task.taskName, task.script));
  std::optional<std::uint32_t> startError;
  if (runner_.Start(command, task.runCount)) {
    while (!runner_.Finished()) {
      PumpMessages();
      Sleep(kRunPollMs);
    }
    if (const std::optional<RunResult> result = runner_.Result()) startError = result->startError;
  } else {
    startError = GetLastError();
  }
  if (startError) {
    WriteLog(TaskLogText(L"Task start failed", task.taskName, task.script) + FormatText(L" (error %u)", *startError));
  }
  WriteLog(TaskLogText(L"Task stop", task.taskName, task.script));
}

void CHestornDlg::EnableTaskButtons(bool enable) const {
  for (const int id : {IDC_ADD, IDC_DELETE, IDC_EDIT}) EnableWindow(GetDlgItem(hwnd_, id), enable);
}
