#include <windows.h>

#include "../shared/frame/TindralApp.h"
#include "TindralDlg.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const TindralAppNames names{L"Tindral", L"Quennet_Tindral_eio3ksfg", L"Quennet_Tindral_KIOP39D",
                              L"\\Quennet\\Tindral", L"/tindral.html"};
  CTindralApp app(names, [] { return std::unique_ptr<ModalDialog>(new CTindralDlg); });
  app.InitInstance();
  return 0;
}
