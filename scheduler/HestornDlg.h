// The scheduler's main window: the task list, its commands and the check timer that
// runs due tasks. It runs modeless under the application's own message loop, which
// ends once ExitRequested() is true.
#pragma once

#include <string_view>

#include "../shared/frame/Win32FileStore.h"
#include "../shared/win/Dialog.h"
#include "../shared/win/controls/ListView.h"
#include "SystemSchedulerClock.h"
#include "SystemTray.h"
#include "TaskListTable.h"
#include "TaskRunner.h"
#include "engine/TaskLog.h"

struct DueTask;

class CHestornDlg : public ModelessDialog {
 public:
  CHestornDlg();
  bool ExitRequested() const { return exitRequested_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnSysCommand(WPARAM command) override;
  bool OnClose() override;
  bool OnTimer(UINT_PTR id) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void OpenMainWindow() const;
  void Exit();

  // Replaces the list from tasks.ini; with startTimer, checks tasks again when any exist.
  void LoadTasks(bool startTimer);
  void SaveTasks();
  void StartCheckTimer() const;
  void StopCheckTimer() const;
  // One tick of the check timer: runs the task that is due, if any.
  void RunTask();
  void Run(const DueTask& task);
  void EnableTaskButtons(bool enable) const;
  void WriteLog(std::wstring_view text) { log_.Write(text); }

  ListView tasks_;
  TaskListTable table_{tasks_};
  Win32FileStore files_;
  SystemSchedulerClock clock_;
  TaskLog log_;
  TaskRunner runner_;
  bool running_ = false;
  CSystemTray tray_;
  bool exitRequested_ = false;
};
