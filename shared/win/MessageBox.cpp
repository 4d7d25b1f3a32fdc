#include "MessageBox.h"

namespace {
std::wstring& Caption() {
  static std::wstring caption;
  return caption;
}
}  // namespace

void SetMessageCaption(std::wstring caption) { Caption() = std::move(caption); }

int ShowMessage(HWND owner, const std::wstring& text, UINT type) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  return MessageBoxW(owner, text.c_str(), Caption().c_str(), type);
}
