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
  // LVM_GETITEMTEXT gives no length: a text that fills the buffer may have been cut, so
  // the buffer grows until the text fits with room to spare. Most texts fit the first.
  wchar_t first[MAX_PATH + 2];
  std::wstring grown;
  for (wchar_t* buffer = first; ; ) {
    const size_t size = buffer == first ? std::size(first) : grown.size();
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(size);
    const auto length = static_cast<size_t>(Send(LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size) return std::wstring(buffer, length);
    grown.assign(size * 2, L'\0');
    buffer = grown.data();
  }
}

void ListView::Select(int index) const {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}
