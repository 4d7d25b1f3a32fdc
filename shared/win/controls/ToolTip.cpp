#include "ToolTip.h"

#include <commctrl.h>

ToolTip::~ToolTip() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool ToolTip::Create(HWND owner) {
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  return hwnd_ != nullptr;
}

bool ToolTip::AddTool(HWND tool, UINT_PTR id, const RECT& rect, const std::wstring& text) const {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = tool;
  info.uId = id;
  info.rect = rect;
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool ToolTip::AddTool(HWND tool, const std::wstring& text) const {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void ToolTip::Activate(bool active) const { Send(TTM_ACTIVATE, active); }
