// The floor for the start-up benchmark: the smallest dialog program, built like the
// suite's programs (same compiler, flags, static runtime and manifest).
#include <windows.h>

#include <commctrl.h>

INT_PTR CALLBACK FloorProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, FloorProc, 0);
  return 0;
}
