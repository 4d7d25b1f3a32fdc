#include "HestornDlg.h"

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/MainWindow.h"
#include "resource.h"

CHestornDlg::CHestornDlg() : ModelessDialog(IDD_HESTORN_DIALOG) {}

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
  CenterOnScreen(hwnd_);
  Show(SW_SHOW);
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

void CHestornDlg::OpenMainWindow() const {
  if (IsIconic(hwnd_)) {
    Show(SW_RESTORE);
  } else {
    Show(SW_SHOW);
  }
  SetForegroundWindow(hwnd_);
}

void CHestornDlg::Exit() {
  exitRequested_ = true;
  Show(SW_HIDE);
  Post(WM_NULL);  // wakes the application's message loop so that it sees the flag
}
