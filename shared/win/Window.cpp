#include "Window.h"

std::wstring Window::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd_, text.data(), length + 1));
  return text;
}

RECT Window::ClientRect() const {
  RECT rect{};
  GetClientRect(hwnd_, &rect);
  return rect;
}

RECT Window::RectInParent() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}
