// The skinned push button in a window like the recorder's stop window: drawn into a
// bitmap in each of its states and checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "../../shared/controls/XPButton.h"
#include "../../shared/win/DeviceContext.h"

namespace {

constexpr int kButtonId = 1002;
constexpr RECT kButtonRect{4, 3, 116, 47};
constexpr COLORREF kBorder = RGB(0, 60, 116);
constexpr COLORREF kFaceBack = RGB(246, 246, 246);
constexpr COLORREF kUnpainted = RGB(255, 0, 255);

struct FrameColours {
  COLORREF left, right, top, bottom;
};
constexpr FrameColours kHoverFrame{RGB(250, 196, 88), RGB(251, 202, 106), RGB(252, 210, 121), RGB(229, 151, 0)};
constexpr FrameColours kFocusFrame{RGB(153, 198, 252), RGB(162, 189, 252), RGB(162, 201, 255), RGB(162, 201, 255)};

int Red(COLORREF c) { return GetRValue(c); }
int Blue(COLORREF c) { return GetBValue(c); }
int Brightest(COLORREF c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}); }
int Sum(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// A borderless window that hands its children's notifications back to them and
// answers WM_GETFONT with a font the test chooses.
class HostWindow {
 public:
  HostWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"XPButtonTestHost";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"XPButton test", WS_POPUP | WS_VISIBLE, 200, 200, 120,
                              50, nullptr, nullptr, wc.hInstance, this);
  }
  ~HostWindow() { DestroyWindow(window_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return window_; }
  void SetFont(HFONT font) { font_ = font; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    }
    if (LRESULT result = 0; ReflectToControl(window, msg, wp, lp, result)) return result;
    const auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (msg == WM_GETFONT && host) return reinterpret_cast<LRESULT>(host->font_);
    return DefWindowProcW(window, msg, wp, lp);
  }

  HWND window_ = nullptr;
  HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
};

// The button's client area, either as it draws itself on request (WM_PRINTCLIENT) or
// as it shows on the screen after painting itself.
class Picture {
 public:
  enum Source { Printed, OnScreen };

  explicit Picture(HWND button, Source source = Printed) {
    RECT client{};
    GetClientRect(button, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDC dc(nullptr);
    {
      SelectedObject selected(dc.Get(), bitmap.Get());
      const RECT all{0, 0, width_, height_};
      OwnedBrush unpainted(CreateSolidBrush(kUnpainted));
      FillRect(dc.Get(), &all, unpainted.Get());
      if (source == Printed) {
        SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
      } else {
        ClientDC screen(button);
        BitBlt(dc.Get(), 0, 0, width_, height_, screen.Get(), 0, 0, SRCCOPY);
      }
      GdiFlush();
    }
    const auto* first = static_cast<const DWORD*>(bits);
    pixels_.assign(first, first + width_ * height_);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  COLORREF At(int x, int y) const {
    const DWORD p = pixels_[y * width_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  bool Contains(COLORREF colour, const RECT& area) const {
    for (int y = std::max(0L, area.top); y < std::min<LONG>(height_, area.bottom); ++y) {
      for (int x = std::max(0L, area.left); x < std::min<LONG>(width_, area.right); ++x) {
        if (At(x, y) == colour) return true;
      }
    }
    return false;
  }
  bool Contains(COLORREF colour) const { return Contains(colour, {0, 0, width_, height_}); }

  // The box around the pixels in area whose brightest channel is below the limit:
  // the caption, when area keeps clear of the border and the frame. Empty if none.
  RECT DarkBox(const RECT& area, int limit) const {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (Brightest(At(x, y)) >= limit) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
               std::max<LONG>(box.bottom, y + 1)};
      }
    }
    return IsRectEmpty(&box) ? RECT{} : box;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};

// Dispatches this thread's messages until the condition holds; false on time-out.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
  return true;
}

class XPButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.Handle(), nullptr);
    ASSERT_TRUE(button_.Create(host_.Handle(), kButtonId, kButtonRect, L"Stop (Shift + F2)"));
    UpdateWindow(host_.Handle());
  }

  HWND Button() const { return button_.Handle(); }

  // The face inside the border, as the button lays it out.
  RECT Inner() const {
    RECT inner = button_.ClientRect();
    InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    return inner;
  }

  // Where the caption may lie: the face less the frame's width on every side.
  RECT CaptionArea() const {
    RECT area = Inner();
    InflateRect(&area, -3, -3);
    return area;
  }

  void ExpectFrame(const Picture& picture, const FrameColours& frame) const {
    const RECT r = Inner();
    const LONG midX = (r.left + r.right) / 2;
    const LONG midY = (r.top + r.bottom) / 2;
    EXPECT_TRUE(picture.Contains(frame.left, {r.left - 1, midY - 3, r.left + 2, midY + 3})) << "left side";
    EXPECT_TRUE(picture.Contains(frame.right, {r.right - 2, midY - 3, r.right + 1, midY + 3})) << "right side";
    EXPECT_TRUE(picture.Contains(frame.top, {midX - 3, r.top - 1, midX + 3, r.top + 2})) << "top side";
    EXPECT_TRUE(picture.Contains(frame.bottom, {midX - 3, r.bottom - 1, midX + 3, r.bottom + 2})) << "bottom side";
  }

  static bool ShowsAnyFrame(const Picture& picture) {
    for (const FrameColours& frame : {kHoverFrame, kFocusFrame}) {
      for (COLORREF colour : {frame.left, frame.right, frame.top, frame.bottom}) {
        if (picture.Contains(colour)) return true;
      }
    }
    return false;
  }

  HostWindow host_;
  CXPButton button_;
};

TEST_F(XPButtonTest, NeutralLookHasBorderRoundCornersAndCoolGradient) {
  const Picture picture(Button());
  const int w = picture.Width();
  const int h = picture.Height();
  EXPECT_FALSE(picture.Contains(kUnpainted)) << "some pixels were left unpainted";

  for (POINT edge : {POINT{w / 2, 0}, POINT{w / 2, h - 1}, POINT{0, h / 2}, POINT{w - 1, h / 2}}) {
    EXPECT_EQ(picture.At(edge.x, edge.y), kBorder) << "border at " << edge.x << "," << edge.y;
  }
  for (POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}}) {
    EXPECT_EQ(picture.At(corner.x, corner.y), kFaceBack) << "corner at " << corner.x << "," << corner.y;
  }
  EXPECT_FALSE(ShowsAnyFrame(picture));

  // A column of the face between the edge and the caption: white at the top, darker
  // row by row, bluish throughout.
  const RECT inner = Inner();
  const int x = inner.left + 5;
  const COLORREF top = picture.At(x, inner.top);
  EXPECT_GE(std::min({GetRValue(top), GetGValue(top), GetBValue(top)}), 250);
  for (int y = inner.top; y < inner.bottom; ++y) {
    EXPECT_LE(Sum(picture.At(x, y + 1)), Sum(picture.At(x, y))) << "row " << y;
    EXPECT_GE(Blue(picture.At(x, y)), Red(picture.At(x, y))) << "row " << y;
  }
  EXPECT_GE(Sum(top) - Sum(picture.At(x, inner.bottom - 1)), 20) << "no visible gradient";
}

struct StateCase {
  const char* name;
  bool hover;
  bool focus;
  const FrameColours* frame;
  bool focusRect;
  bool warmFace;  // the face turns from blue-grey to yellowish
};

const StateCase kStates[] = {
    {"hover", true, false, &kHoverFrame, false, false},
    {"focus", false, true, &kFocusFrame, true, false},
    {"hover and focus", true, true, &kHoverFrame, false, true},
};

TEST_F(XPButtonTest, FramesTheFaceWhenHoveredOrFocused) {
  for (const StateCase& state : kStates) {
    SCOPED_TRACE(state.name);
    SetFocus(state.focus ? host_.Handle() : nullptr);
    if (state.focus) SetFocus(Button());
    ASSERT_EQ(GetFocus() == Button(), state.focus);
    SendMessageW(Button(), state.hover ? WM_MOUSEHOVER : WM_MOUSELEAVE, 0, 0);

    const Picture picture(Button());
    ExpectFrame(picture, *state.frame);
    EXPECT_FALSE(picture.Contains(kUnpainted));

    // The focus rectangle inverts every other pixel of the pen along the face's top.
    const RECT inner = Inner();
    const COLORREF top = state.frame->top;
    const COLORREF inverted = RGB(255 - GetRValue(top), 255 - GetGValue(top), 255 - GetBValue(top));
    EXPECT_EQ(picture.Contains(inverted, {inner.left + 4, inner.top, inner.right - 4, inner.top + 1}), state.focusRect);

    const COLORREF face = picture.At(inner.left + 5, inner.bottom - 3);
    EXPECT_EQ(Red(face) > Blue(face), state.warmFace);
  }
}

TEST_F(XPButtonTest, FollowsTheMousePointer) {
  RECT onScreen{};
  GetWindowRect(Button(), &onScreen);
  const auto hoverShown = [this] {
    const Picture picture(Button(), Picture::OnScreen);
    return picture.Contains(kHoverFrame.bottom);
  };
  for (int round = 0; round < 2; ++round) {  // the second time proves the tracking ended
    SCOPED_TRACE(round);
    SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    SendMessageW(Button(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(PumpUntil(hoverShown, 3000)) << "no hover frame with the pointer on the button";
    SetCursorPos(onScreen.right + 50, onScreen.bottom + 50);
    EXPECT_TRUE(PumpUntil([&] { return !hoverShown(); }, 3000)) << "the hover frame stayed";
  }
}

TEST_F(XPButtonTest, CentresTheCaptionAndShiftsItWhilePressed) {
  const RECT inner = Inner();
  const RECT released = Picture(Button()).DarkBox(CaptionArea(), 128);
  ASSERT_FALSE(IsRectEmpty(&released)) << "no caption drawn";
  EXPECT_NEAR((released.left + released.right) / 2, (inner.left + inner.right) / 2, 3);
  EXPECT_NEAR((released.top + released.bottom) / 2, (inner.top + inner.bottom) / 2, 3);

  SendMessageW(Button(), BM_SETSTATE, TRUE, 0);
  RECT pressed = Picture(Button()).DarkBox(CaptionArea(), 128);
  OffsetRect(&pressed, -1, -1);
  EXPECT_TRUE(EqualRect(&pressed, &released)) << "the caption did not move by one pixel right and down";
}

TEST_F(XPButtonTest, DrawsItsCaptionInTheButtonsOrElseTheParentsFont) {
  const auto captionHeight = [this] {
    const RECT box = Picture(Button()).DarkBox(CaptionArea(), 128);
    return box.bottom - box.top;
  };
  OwnedFont large(CreateFontW(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  OwnedFont small(CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  host_.SetFont(large.Get());
  EXPECT_GE(captionHeight(), 20);
  SendMessageW(Button(), WM_SETFONT, reinterpret_cast<WPARAM>(small.Get()), FALSE);
  EXPECT_LE(captionHeight(), 13);
}

TEST_F(XPButtonTest, DisabledButtonDrawsGreyedCaption) {
  EnableWindow(Button(), FALSE);
  const Picture picture(Button());
  EXPECT_FALSE(picture.Contains(kUnpainted));
  EXPECT_EQ(picture.At(picture.Width() / 2, 0), kBorder);
  EXPECT_EQ(picture.At(0, 0), kFaceBack);
  const RECT caption = picture.DarkBox(CaptionArea(), 200);
  EXPECT_FALSE(IsRectEmpty(&caption)) << "no caption drawn";
  const RECT black = picture.DarkBox(CaptionArea(), 64);
  EXPECT_TRUE(IsRectEmpty(&black)) << "the caption is drawn as if enabled";
}

}  // namespace
