// A borrowed window handle with the few calls every window wrapper needs.
#pragma once

#include <windows.h>

#include <string>

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~Window() = default;

  HWND Handle() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  std::wstring Text() const;
  void SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }
  void Enable(bool enable) const { EnableWindow(hwnd_, enable); }
  bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void Show(int command) const { ShowWindow(hwnd_, command); }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void Focus() const { SetFocus(hwnd_); }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
  void Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { PostMessageW(hwnd_, msg, wp, lp); }
  RECT ClientRect() const;
  // The window's rectangle in its parent's client coordinates (screen for top-level).
  RECT RectInParent() const;

 protected:
  HWND hwnd_ = nullptr;
};
