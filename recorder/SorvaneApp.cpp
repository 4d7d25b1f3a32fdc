#include "SorvaneApp.h"

#include <windows.h>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/win/MessageBox.h"
#include "SorvaneDlg.h"
#include "SorvaneNames.h"

bool CSorvaneApp::InitInstance(const std::wstring& commandLine) {
  if (!ClaimSingleInstance(kSorvaneMutex)) {
    if (HWND running = FindWindowW(kSorvaneWindowClass, nullptr)) {
      ShowWindow(running, SW_RESTORE);
      SetForegroundWindow(running);
    }
    return false;
  }
  g_app.name = L"Sorvane";
  g_app.helpPage = L"/sorvane.html";
  SetMessageCaption(g_app.name);

  EnableDebugPrivilege();
  GetModuleFolder();
  g_app.dataFolder = CreateDataFolder(L"\\Quennet\\Sorvane");
  g_app.settingsFile = g_app.dataFolder + L"\\conf.ini";
  PrepareSettingsFile(g_app.settingsFile);
  g_app.recordFolder = ReadRecordFolder(g_app.settingsFile);

  InitCommonControlClasses();
  if (!RegisterPrivateDialogClass(kSorvaneWindowClass)) return false;

  CSorvaneDlg dialog(commandLine);
  dialog.DoModal(nullptr);
  return false;
}
