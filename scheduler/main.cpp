#include <windows.h>

#include "HestornApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CHestornApp app;
  app.InitInstance();
  return 0;
}
