#include "PresserDlg.h"

#include "../shared/portable/DurationUnit.h"
#include "resource.h"

namespace presser {

CTindralDlg::CTindralDlg()
    : MainDialog(IDD_GALLIVET_DIALOG, RGB(246, 246, 246), {ID_FILE_EXIT, ID_HELP_ABOUT, ID_HELP_HELP}) {}

bool CTindralDlg::OnInitDialog() {
  MainDialog::OnInitDialog();

  stop_.Attach(hwnd_, IDC_STOP);
  hold_.Attach(hwnd_, IDC_HOLD);
  delayTime_.Attach(hwnd_, IDC_DELAY_TIME);
  delayUnit_.Attach(hwnd_, IDC_DELAY_UNIT);

  for (const wchar_t* unit : kDurationUnitNames) delayUnit_.Add(unit);
  delayUnit_.Select(0);
  stop_.Enable(false);
  hold_.SetChecked(true);
  OnPressModeChanged();
  return true;
}

bool CTindralDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_HOLD:
    case IDC_REPEAT_PRESS:
      OnPressModeChanged();
      return true;
    default:
      return MainDialog::OnCommand(id, code, control);
  }
}

void CTindralDlg::OnPressModeChanged() const {
  const bool delayed = !hold_.IsChecked();
  delayTime_.Enable(delayed);
  delayUnit_.Enable(delayed);
}

}  // namespace presser
