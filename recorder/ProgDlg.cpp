#include "ProgDlg.h"

#include <climits>

#include "../shared/portable/TextFormat.h"
#include "HotkeySettings.h"
#include "StatusWindowPlacement.h"
#include "resource.h"

namespace {
constexpr UINT_PTR kMoveAwayTimer = 100;
}

CProgDlg::CProgDlg(PlaybackState& state) : ModelessDialog(IDD_PROGRESS), state_(state) {
  SetBackground(RGB(255, 255, 255));
}

bool CProgDlg::Open(HWND owner, bool hidden, uint64_t totalMs) {
  if (!Create(owner)) return false;
  scale_ = totalMs / INT_MAX + 1;
  progress_.SetRange(0, static_cast<int>(totalMs / scale_));
  PlaceAtBottomRight(hwnd_);
  if (!hidden) Show(SW_SHOWNOACTIVATE);
  return true;
}

bool CProgDlg::OnInitDialog() {
  state_.stoppedByUser = false;
  state_.paused = false;
  progress_.Attach(hwnd_, IDC_PROGRESS);
  const HotkeyPair stop = ReadHotkey(kStopRepeatHotkey);
  SetDlgItemTextW(hwnd_, IDC_STOP_HINT, FormatText(L"Press %ls to Stop", HotkeyDisplayText(stop).c_str()).c_str());
  RegisterHotkeyOrWarn(hwnd_, ID_HOTKEY_STOP_REPEAT, stop);
  RegisterHotkeyOrWarn(hwnd_, ID_HOTKEY_PAUSE_REPEAT, ReadHotkey(kPauseRepeatHotkey));
  SetTimer(hwnd_, kMoveAwayTimer, 1000, nullptr);
  return false;
}

void CProgDlg::OnDestroy() {
  KillTimer(hwnd_, kMoveAwayTimer);
  UnregisterHotKey(hwnd_, ID_HOTKEY_STOP_REPEAT);
  UnregisterHotKey(hwnd_, ID_HOTKEY_PAUSE_REPEAT);
}

bool CProgDlg::OnHotKey(int id) {
  if (id == ID_HOTKEY_STOP_REPEAT) {
    state_.stoppedByUser = state_.stopRequested = true;
  } else if (id == ID_HOTKEY_PAUSE_REPEAT) {
    state_.paused = !state_.paused;
  } else {
    return false;
  }
  return true;
}

bool CProgDlg::OnTimer(UINT_PTR id) {
  if (id != kMoveAwayTimer) return false;
  StepOutOfThePointersWay(hwnd_, moveAway_);
  return true;
}

void CProgDlg::SetProgress(uint64_t positionMs) { progress_.SetPosition(static_cast<int>(positionMs / scale_)); }

void CProgDlg::SetStatus(const std::wstring& text) { SetDlgItemTextW(hwnd_, IDC_STATUS, text.c_str()); }

std::wstring CProgDlg::Status() { return Window(Item(IDC_STATUS)).Text(); }

bool CProgDlg::OnEraseBackground(HDC dc) {
  ModelessDialog::OnEraseBackground(dc);
  FrameStatusWindow(hwnd_, dc);
  return true;
}
