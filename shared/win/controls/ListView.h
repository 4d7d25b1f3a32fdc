// List views in report view.
#pragma once

#include "../Control.h"

#include <commctrl.h>

#include <string>

class ListView : public Control {
 public:
  void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
  void InsertColumn(int index, const std::wstring& title, int width) const;
  int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  int InsertItem(int index, const std::wstring& text) const;
  void SetItemText(int item, int column, const std::wstring& text) const;
  std::wstring ItemText(int item, int column) const;
  bool DeleteItem(int item) const { return Send(LVM_DELETEITEM, item) != FALSE; }
  void DeleteAll() const { Send(LVM_DELETEALLITEMS); }
  int Selected() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
  void Select(int item) const;
  void EnsureVisible(int item) const { Send(LVM_ENSUREVISIBLE, item, FALSE); }
  HWND Header() const { return reinterpret_cast<HWND>(Send(LVM_GETHEADER)); }
};
