#include "StopTipDlg.h"

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "resource.h"

CStopTipDlg::CStopTipDlg() : ModalDialog(IDD_STOP_TIP) { SetBackground(RGB(246, 246, 246)); }

bool CStopTipDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_DONT_SHOW_AGAIN) return ModalDialog::OnCommand(id, code, control);
  // Each click is written at once.
  const bool dontShow = IsDlgButtonChecked(hwnd_, IDC_DONT_SHOW_AGAIN) == BST_CHECKED;
  WritePrivateProfileStringW(L"Option", L"UserCtrlTip", dontShow ? L"0" : L"1", g_app.settingsFile.c_str());
  return true;
}

bool StopTipEnabled() { return ReadProfileText(g_app.settingsFile, L"Option", L"UserCtrlTip", L"1") != L"0"; }
