#include "XPButton.h"

#include <algorithm>

#include "../win/DeviceContext.h"

namespace {

constexpr COLORREF kFaceBackColour = RGB(246, 246, 246);
constexpr int kCornerSize = 5;
constexpr int kLastGradientStep = 63;

// Fills with the DC brush, so that a row of the gradient needs no brush of its own.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF previous = SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, previous);
}

void DrawLine(HDC dc, const OwnedPen& pen, POINT from, POINT to) {
  SelectedObject selected(dc, pen.Get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

}  // namespace

CXPButton::CXPButton()
    : borderPen_(CreatePen(PS_INSIDEFRAME, 1, RGB(0, 60, 116))),
      hoverPens_(MakeFramePens(RGB(250, 196, 88), RGB(251, 202, 106), RGB(252, 210, 121), RGB(229, 151, 0))),
      focusPens_(MakeFramePens(RGB(153, 198, 252), RGB(162, 189, 252), RGB(162, 201, 255), RGB(162, 201, 255))) {}

CXPButton::FramePens CXPButton::MakeFramePens(COLORREF left, COLORREF right, COLORREF top, COLORREF bottom) {
  return {OwnedPen(CreatePen(PS_INSIDEFRAME, 3, left)), OwnedPen(CreatePen(PS_INSIDEFRAME, 3, right)),
          OwnedPen(CreatePen(PS_INSIDEFRAME, 2, top)), OwnedPen(CreatePen(PS_INSIDEFRAME, 2, bottom))};
}

bool CXPButton::Create(HWND parent, int id, const RECT& rect, const std::wstring& text) {
  const HWND button = CreateWindowExW(0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                      nullptr);
  return button && Subclass(parent, id);
}

void CXPButton::OnSubclassed() {
  SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | BS_OWNERDRAW);
}

bool CXPButton::OnReflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
  result = TRUE;
  return true;
}

LRESULT CXPButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd_, 1};
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      return Default(msg, wp, lp);
    case WM_MOUSEHOVER:
      hovering_ = true;
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_MOUSELEAVE:
      hovering_ = tracking_ = false;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      // DrawItem paints every pixel; erasing first would only flicker.
      return TRUE;
    default:
      return Default(msg, wp, lp);
  }
}

void CXPButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const int saved = SaveDC(dc);
  const RECT& rect = item.rcItem;
  {
    SelectedObject pen(dc, borderPen_.Get());
    FillSolid(dc, rect, kFaceBackColour);
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, kCornerSize, kCornerSize);
  }
  focused_ = (item.itemState & ODS_FOCUS) != 0;
  highlighted_ = (item.itemState & (ODS_FOCUS | ODS_SELECTED | ODS_DEFAULT)) != 0;

  RECT inner = rect;
  InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  DrawGradient(dc, inner);
  if (hovering_ || focused_) DrawFrame(dc, inner);
  DrawCaption(dc, inner, item.itemState);
  RestoreDC(dc, saved);
}

COLORREF CXPButton::GradientColour(int step) const {
  const int a = 255 - step / 4;
  const int c = 255 - step / 3;
  const int e = 255 - step / 5;
  if (hovering_) return highlighted_ ? RGB(a, a, c) : RGB(a, a, e);
  return highlighted_ ? RGB(c, c, a) : RGB(c, c, e);
}

void CXPButton::DrawGradient(HDC dc, const RECT& inner) const {
  const int height = inner.bottom - inner.top;
  const int width = inner.right - inner.left;
  if (height <= 0) return;
  // The last row lies just below the inner rectangle, next to the border.
  for (int y = inner.top; y <= height + 2; ++y) {
    const int step = std::min(kLastGradientStep, y * kLastGradientStep / height);
    FillSolid(dc, RECT{inner.left, y, width + 2, y + 1}, GradientColour(step));
  }
}

void CXPButton::DrawFrame(HDC dc, const RECT& r) const {
  const bool focusLook = focused_ && !hovering_;
  const FramePens& pens = focusLook ? focusPens_ : hoverPens_;
  POINT position{};
  GetCurrentPositionEx(dc, &position);
  DrawLine(dc, pens.left, {r.left, r.bottom - 1}, {r.left, r.top + 1});
  DrawLine(dc, pens.right, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top});
  DrawLine(dc, pens.top, {r.left - 1, r.top}, {r.right - 1, r.top});
  DrawLine(dc, pens.bottom, {r.left, r.bottom}, {r.right - 1, r.bottom});
  MoveToEx(dc, position.x, position.y, nullptr);
  if (focusLook) DrawFocusRect(dc, &r);
}

void CXPButton::DrawCaption(HDC dc, const RECT& inner, UINT state) const {
  wchar_t text[MAX_PATH] = L"";
  const int length = GetWindowTextW(hwnd_, text, MAX_PATH);

  auto font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  if (!font) font = reinterpret_cast<HFONT>(SendMessageW(GetParent(hwnd_), WM_GETFONT, 0, 0));
  SelectedObject selectedFont(dc, font);

  SIZE extent{};
  GetTextExtentPoint32W(dc, text, length, &extent);
  int x = (inner.left + inner.right) / 2 - extent.cx / 2;
  int y = (inner.top + inner.bottom) / 2 - extent.cy / 2;
  if (state & ODS_SELECTED) {
    ++x;
    ++y;
  }
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DST_PREFIXTEXT | ((state & ODS_DISABLED) ? DSS_DISABLED : 0);
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), length, x, y, extent.cx, extent.cy, flags);
}
