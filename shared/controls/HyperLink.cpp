#include "HyperLink.h"

#include <shellapi.h>

#include "../win/DeviceContext.h"

CHyperLink::CHyperLink() : hoverColour_(GetSysColor(COLOR_HIGHLIGHT)) {}

void CHyperLink::OnSubclassed() {
  SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | SS_NOTIFY);

  if (url_.empty()) url_ = Text();
  if (Text().empty()) SetText(url_);

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(Send(WM_GETFONT)), sizeof font, &font);
  font.lfUnderline = underline_;
  linkFont_.Reset(CreateFontIndirectW(&font));
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()), TRUE);

  FitToText();
  linkCursor_ = LoadCursorW(nullptr, IDC_HAND);

  if (toolTip_.Create(hwnd_)) toolTip_.AddTool(hwnd_, 1, ClientRect(), url_);
}

void CHyperLink::FitToText() {
  if (!hwnd_ || !fitToText_) return;
  RECT rect = RectInParent();

  const std::wstring text = Text();
  SIZE extent{};
  {
    ClientDC dc(hwnd_);
    SelectedObject font(dc.Get(), linkFont_.Get());
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }

  const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  if (style & SS_CENTERIMAGE) {
    InflateRect(&rect, 0, -((rect.bottom - rect.top) - extent.cy) / 2);
  } else {
    rect.bottom = rect.top + extent.cy;
  }
  switch (style & SS_TYPEMASK) {
    case SS_CENTER:
      InflateRect(&rect, -((rect.right - rect.left) - extent.cx) / 2, 0);
      break;
    case SS_RIGHT:
      rect.left = rect.right - extent.cx;
      break;
    default:
      rect.right = rect.left + extent.cx;
      break;
  }
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER);
}

COLORREF CHyperLink::TextColour() const {
  if (hovering_) return hoverColour_;
  return visited_ ? visitedColour_ : linkColour_;
}

bool CHyperLink::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_CTLCOLORSTATIC) {
    const auto dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, TextColour());
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return true;
  }
  if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
    OnClicked();
    return true;
  }
  return false;
}

void CHyperLink::OnClicked() {
  if (url_.empty()) return;
  ShellExecuteW(nullptr, L"open", url_.c_str(), nullptr, nullptr, SW_SHOW);
  visited_ = true;
  if (hwnd_ && IsWindow(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
}

void CHyperLink::RedrawNow() const { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void CHyperLink::OnMouseMove(POINT point) {
  if (!hovering_) {
    hovering_ = true;
    RedrawNow();
    SetCapture(hwnd_);
    return;
  }
  const RECT client = ClientRect();
  if (!PtInRect(&client, point)) {
    hovering_ = false;
    ReleaseCapture();
    RedrawNow();
  }
}

LRESULT CHyperLink::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      const LRESULT result = Default(msg, wp, lp);
      OnMouseMove(POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return result;
    }
    case WM_CAPTURECHANGED:
      // Capture taken away (a click opened the browser, a menu opened): no longer hovering.
      if (hovering_ && reinterpret_cast<HWND>(lp) != hwnd_) {
        hovering_ = false;
        RedrawNow();
      }
      return Default(msg, wp, lp);
    case WM_SETCURSOR:
      if (linkCursor_) {
        SetCursor(linkCursor_);
        return TRUE;
      }
      return Default(msg, wp, lp);
    default:
      return Default(msg, wp, lp);
  }
}
