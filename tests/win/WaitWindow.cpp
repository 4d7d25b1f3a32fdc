// wait_window CLASS TITLE TIMEOUT_MS: waits for a visible top-level window of that
// class and title; exit code 0 when it appeared, 1 on time-out. Used by the run script.
#include <windows.h>

#include <cwchar>

#include "Harness.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  return WaitForWindow(argv[1], argv[2], 0, static_cast<DWORD>(_wtoi(argv[3]))) ? 0 : 1;
}
