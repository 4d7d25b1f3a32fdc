#include <windows.h>

#include "../shared/frame/TindralApp.h"
#include "PresserDlg.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const TindralAppNames names{L"Gallivet", L"Quennet_Gallivet_3IOS3", L"QuennetGallivet_IE3JD",
                              L"\\Quennet\\Gallivet", L"/gallivet.html"};
  CTindralApp app(names, [] { return std::unique_ptr<ModalDialog>(new presser::CTindralDlg); });
  app.InitInstance();
  return 0;
}
