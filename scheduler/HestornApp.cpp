#include "HestornApp.h"

#include <windows.h>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/win/MessageBox.h"
#include "HestornDlg.h"
#include "HestornNames.h"
#include "resource.h"

namespace {

// Asks the running copy, through its hidden tray window, to open its main window.
void OpenRunningCopy() {
  HWND tray = FindWindowW(nullptr, kTrayWindowTitle);
  if (!tray) return;
  auto main = reinterpret_cast<HWND>(SendMessageW(tray, kTrayGetMainWindow, 0, 0));
  if (!main) return;
  SendMessageW(main, WM_COMMAND, ID_OPEN_MAIN_WINDOW, 0);
  SetForegroundWindow(main);
}

}  // namespace

bool CHestornApp::InitInstance() {
  if (!ClaimSingleInstance(kHestornMutex)) {
    OpenRunningCopy();
    return false;
  }
  g_app.name = L"Hestorn";
  g_app.helpPage = L"/sorvane.html";  // the scheduler is described on the recorder's page
  SetMessageCaption(g_app.name);

  GetModuleFolder();
  g_app.osVersion.dwOSVersionInfoSize = sizeof g_app.osVersion;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&g_app.osVersion);
#pragma GCC diagnostic pop
  g_app.dataFolder = CreateDataFolder(L"\\Quennet\\Sorvane");
  g_app.settingsFile = g_app.dataFolder + L"\\TaskConf.ini";
  PrepareSettingsFile(g_app.settingsFile);
  g_app.recordFolder = ReadRecordFolder(g_app.settingsFile);
  InitCommonControlClasses();

  CHestornDlg dialog;
  if (!dialog.Create(nullptr)) return false;
  MSG msg;
  while (!dialog.ExitRequested() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(dialog.Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  dialog.Destroy();
  return false;
}
