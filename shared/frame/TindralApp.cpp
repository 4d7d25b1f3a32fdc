#include "TindralApp.h"

#include <windows.h>

#include "../win/MessageBox.h"
#include "AppStartup.h"
#include "AppValues.h"

bool CTindralApp::InitInstance() {
  if (!ClaimSingleInstance(names_.mutex)) {
    if (HWND running = FindWindowW(names_.windowClass, nullptr)) SetForegroundWindow(running);
    return false;
  }
  g_app.name = names_.name;
  g_app.helpPage = names_.helpPage;
  SetMessageCaption(g_app.name);

  GetModuleFolder();
  g_app.dataFolder = CreateDataFolder(names_.dataSubfolder);
  g_app.settingsFile = g_app.dataFolder + L"\\conf.ini";
  PrepareSettingsFile(g_app.settingsFile);
  g_app.recorderPath = g_app.moduleFolder + L"\\Sorvane.exe";

  InitCommonControlClasses();
  if (!RegisterPrivateDialogClass(names_.windowClass)) return false;

  const std::unique_ptr<ModalDialog> dialog = makeMainDialog_();
  dialog->DoModal(nullptr);
  return false;
}
