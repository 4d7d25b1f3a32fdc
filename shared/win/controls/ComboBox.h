// Drop-down lists.
#pragma once

#include "../Control.h"

#include <string>

class ComboBox : public Control {
 public:
  int Add(const std::wstring& text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void Select(int index) const { Send(CB_SETCURSEL, index); }
  std::wstring ItemText(int index) const;
  void SetItemData(int index, LPARAM data) const { Send(CB_SETITEMDATA, index, data); }
  LPARAM ItemData(int index) const { return Send(CB_GETITEMDATA, index); }
};

inline std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, index);
  if (length == CB_ERR) return {};
  std::wstring text(length + 1, L'\0');
  text.resize(Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())));
  return text;
}
