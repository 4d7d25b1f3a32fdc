// Borrowed menu handles (a window's menu bar or system menu).
#pragma once

#include <windows.h>

#include <string>

class Menu {
 public:
  explicit Menu(HMENU menu) : menu_(menu) {}
  HMENU Get() const { return menu_; }
  explicit operator bool() const { return menu_ != nullptr; }

  void AppendSeparator() const { AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr); }
  void Append(UINT id, const std::wstring& text) const { AppendMenuW(menu_, MF_STRING, id, text.c_str()); }
  void Enable(UINT id, bool enable) const { EnableMenuItem(menu_, id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED)); }

 private:
  HMENU menu_;
};
