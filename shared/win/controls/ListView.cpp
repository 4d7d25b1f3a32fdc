#include "ListView.h"

void ListView::InsertColumn(int index, const std::wstring& title, int width) const {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<wchar_t*>(title.c_str());
  Send(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

int ListView::InsertItem(int index, const std::wstring& text) const {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItemText(int index, int column, const std::wstring& text) const {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  Send(LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

std::wstring ListView::ItemText(int index, int column) const {
  // LVM_GETITEMTEXT gives no length; grow until the text fits with room to spare.
  std::wstring text(256, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = static_cast<size_t>(Send(LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < text.size()) return text.substr(0, length);
    text.assign(text.size() * 2, L'\0');
  }
}

void ListView::Select(int index) const {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}
