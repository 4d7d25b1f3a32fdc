// A window painted in one fixed colour, with the static-like controls (labels, group
// boxes, check boxes, radio buttons, disabled edits) drawn transparently on it.
#pragma once

#include "Handle.h"

class SolidBackground {
 public:
  explicit SolidBackground(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}

  // WM_ERASEBKGND: fills the client area.
  void Erase(HWND window, HDC dc) const {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, brush_.Get());
  }

  // WM_CTLCOLORSTATIC and WM_CTLCOLORDLG: the brush to answer with.
  HBRUSH ControlColour(HDC dc) const {
    SetBkMode(dc, TRANSPARENT);
    return brush_.Get();
  }

 private:
  OwnedBrush brush_;
};
