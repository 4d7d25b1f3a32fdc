#include "TindralDlg.h"

#include "../shared/portable/DurationUnit.h"
#include "resource.h"

CTindralDlg::CTindralDlg()
    : MainDialog(IDD_TINDRAL_DIALOG, RGB(246, 246, 246), {ID_FILE_EXIT, ID_HELP_ABOUT, ID_HELP_HELP}) {}

bool CTindralDlg::OnInitDialog() {
  MainDialog::OnInitDialog();

  stop_.Attach(hwnd_, IDC_STOP);
  clickHere_.Attach(hwnd_, IDC_CLICK_HERE);
  countMode_.Attach(hwnd_, IDC_COUNT_MODE);
  mouse_.Attach(hwnd_, IDC_MOUSE);
  action_.Attach(hwnd_, IDC_ACTION);
  forTimeUnit_.Attach(hwnd_, IDC_FOR_TIME_UNIT);

  for (const wchar_t* button : {L"Left Button", L"Middle Button", L"Right Button"}) mouse_.Add(button);
  mouse_.Select(0);
  for (const wchar_t* kind : {L"Single Click", L"Double Click", L"Button Down", L"Button Up"}) action_.Add(kind);
  action_.Select(0);
  for (const wchar_t* unit : kDurationUnitNames) forTimeUnit_.Add(unit);
  forTimeUnit_.Select(kDurationMinute);

  countMode_.SetChecked(true);
  clickHere_.SetChecked(true);
  stop_.Enable(false);
  return true;
}
