#include <windows.h>

#include "SorvaneApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CSorvaneApp app;
  app.InitInstance();
  return 0;
}
