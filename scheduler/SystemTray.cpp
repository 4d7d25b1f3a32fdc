#include "SystemTray.h"

#include "HestornNames.h"

bool CSystemTray::Create(HWND target) {
  target_ = target;
  return CustomWindow::Create(L"HestornTrayWindow", kTrayWindowTitle, WS_POPUP, 0, RECT{}, nullptr);
}

LRESULT CSystemTray::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kTrayGetMainWindow) return reinterpret_cast<LRESULT>(target_);
  return CustomWindow::WindowProc(msg, wp, lp);
}
