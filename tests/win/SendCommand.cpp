// send_command CLASS ID: posts the menu command ID to the top-level window of that
// class. Used by the README's screenshot script.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  HWND window = FindWindowW(argv[1], nullptr);
  return window && PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[2])), 0) ? 0 : 1;
}
