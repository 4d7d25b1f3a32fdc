#include <windows.h>

#include "SorvaneApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  CSorvaneApp app;
  app.InitInstance(commandLine);
  return 0;
}
