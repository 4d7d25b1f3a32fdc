#include "CustomWindow.h"

#include "Control.h"

bool CustomWindow::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                          const RECT& rect, HWND parent) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (!GetClassInfoW(instance, className, &existing)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    if (!RegisterClassW(&wc)) return false;
  }
  return CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, nullptr, instance, this) != nullptr;
}

void CustomWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CustomWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

LRESULT CALLBACK CustomWindow::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<CustomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<CustomWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (LRESULT result = 0; ReflectToControl(hwnd, msg, wp, lp, result)) return result;
  return window->WindowProc(msg, wp, lp);
}
