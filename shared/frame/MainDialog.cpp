#include "MainDialog.h"

#include "AppStartup.h"
#include "MainWindow.h"

bool MainDialog::OnInitDialog() {
  PrepareMainWindow(hwnd_);
  return true;
}

bool MainDialog::OnCommand(int id, int code, HWND control) {
  if (id == commands_.exit) {
    Send(WM_CLOSE);
  } else if (id == commands_.about) {
    ShowAboutBox(hwnd_);
  } else if (id == commands_.help) {
    OpenHelpPage();
  } else {
    return ModalDialog::OnCommand(id, code, control);
  }
  return true;
}

bool MainDialog::OnSysCommand(WPARAM command) {
  if (!IsAboutSysCommand(command)) return false;
  ShowAboutBox(hwnd_);
  return true;
}

bool MainDialog::OnClose() {
  End(IDCANCEL);
  return true;
}
