// The scheduler's main window: the task list and its commands. It runs modeless under
// the application's own message loop, which ends once ExitRequested() is true.
#pragma once

#include "../shared/win/Dialog.h"
#include "../shared/win/controls/ListView.h"
#include "SystemTray.h"

class CHestornDlg : public ModelessDialog {
 public:
  CHestornDlg();
  bool ExitRequested() const { return exitRequested_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnSysCommand(WPARAM command) override;
  bool OnClose() override;

 private:
  void OpenMainWindow() const;
  void Exit();

  ListView tasks_;
  CSystemTray tray_;
  bool exitRequested_ = false;
};
