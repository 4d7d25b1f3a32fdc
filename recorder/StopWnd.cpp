#include "StopWnd.h"

#include "../shared/portable/TextFormat.h"
#include "../shared/win/DeviceContext.h"
#include "HotkeySettings.h"
#include "StatusWindowPlacement.h"
#include "resource.h"

namespace {
constexpr int kWidth = 120, kHeight = 50;
constexpr UINT_PTR kMoveAwayTimer = 100;
}  // namespace

bool CStopWnd::Open() {
  const Rect area = WorkArea();
  const Point corner = BottomRight(area, kWidth, kHeight);
  const RECT rect{corner.x, corner.y, corner.x + kWidth, corner.y + kHeight};
  if (!Create(L"SorvaneStopWindow", L"", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, rect, nullptr)) return false;

  const HotkeyPair stop = ReadHotkey(kStopRecordHotkey);
  const RECT buttonRect{4, 3, kWidth - 4, kHeight - 3};
  button_.Create(hwnd_, IDC_STOP_RECORDING, buttonRect,
                 FormatText(L"Stop (%ls)", HotkeyDisplayText(stop).c_str()));
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
  button_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
  Show(SW_SHOWNOACTIVATE);
  SetTimer(hwnd_, kMoveAwayTimer, 1000, nullptr);
  RegisterHotkeyOrWarn(hwnd_, ID_HOTKEY_STOP_RECORD, stop);
  return true;
}

void CStopWnd::Stop() {
  UnregisterHotKey(hwnd_, ID_HOTKEY_STOP_RECORD);
  state_.stopRequested = true;
  Post(WM_CLOSE);
}

LRESULT CStopWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_STOP_RECORDING) Stop();
      return 0;
    case WM_HOTKEY:
      if (wp == ID_HOTKEY_STOP_RECORD) Stop();
      return 0;
    case WM_TIMER:
      if (wp == kMoveAwayTimer) StepOutOfThePointersWay(hwnd_, moveAway_);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // clicking Stop leaves the focus where the user works
    case WM_ERASEBKGND: {
      const auto dc = reinterpret_cast<HDC>(wp);
      RECT client = ClientRect();
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      FrameStatusWindow(hwnd_, dc);
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kMoveAwayTimer);
      UnregisterHotKey(hwnd_, ID_HOTKEY_STOP_RECORD);
      return 0;
    default:
      return CustomWindow::WindowProc(msg, wp, lp);
  }
}
