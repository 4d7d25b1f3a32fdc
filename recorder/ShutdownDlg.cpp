#include "ShutdownDlg.h"

#include <utility>

#include "resource.h"

namespace {
constexpr UINT_PTR kCountdownTimer = 100;
}

CShutdownDlg::CShutdownDlg(std::function<void()> shutdown, UINT tickMs)
    : ModalDialog(IDD_SHUTDOWN), shutdown_(std::move(shutdown)), tickMs_(tickMs) {
  SetBackground(RGB(246, 246, 246));
}

bool CShutdownDlg::OnInitDialog() {
  ShowTime();
  SetTimer(hwnd_, kCountdownTimer, tickMs_, nullptr);
  // Someone coming back to the computer and pressing Enter keeps it running.
  SetFocus(Item(IDCANCEL));
  return false;
}

bool CShutdownDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_SHUTDOWN_NOW) return ModalDialog::OnCommand(id, code, control);
  countdown_.Finish();
  StartShutdown();
  return true;
}

bool CShutdownDlg::OnTimer(UINT_PTR id) {
  if (id != kCountdownTimer) return false;
  if (countdown_.Tick()) {
    StartShutdown();
  } else {
    ShowTime();
  }
  return true;
}

void CShutdownDlg::ShowTime() const { SetDlgItemTextW(hwnd_, IDC_SHUTDOWN_TIME, countdown_.Text().c_str()); }

void CShutdownDlg::StartShutdown() {
  KillTimer(hwnd_, kCountdownTimer);
  ShowTime();
  shutdown_();
}
