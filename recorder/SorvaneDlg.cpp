#include "SorvaneDlg.h"

#include "../shared/portable/DurationUnit.h"
#include "resource.h"

CSorvaneDlg::CSorvaneDlg()
    : MainDialog(IDD_SORVANE_DIALOG, RGB(246, 246, 246), {ID_FILE_EXIT, ID_HELP_ABOUT, ID_HELP_HELP}) {}

bool CSorvaneDlg::OnInitDialog() {
  MainDialog::OnInitDialog();

  repeatOnce_.Attach(hwnd_, IDC_REPEAT_ONCE);
  repeatCount_.Attach(hwnd_, IDC_REPEAT_COUNT);
  repeatFor_.Attach(hwnd_, IDC_REPEAT_FOR);
  delay_.Attach(hwnd_, IDC_DELAY);
  randomDelay_.Attach(hwnd_, IDC_RANDOM_DELAY);
  repeatTimes_.Attach(hwnd_, IDC_REPEAT_TIMES);
  repeatTime_.Attach(hwnd_, IDC_REPEAT_TIME);
  delayHours_.Attach(hwnd_, IDC_DELAY_HOURS);
  delayMinutes_.Attach(hwnd_, IDC_DELAY_MINUTES);
  delaySeconds_.Attach(hwnd_, IDC_DELAY_SECONDS);
  repeatTimeUnit_.Attach(hwnd_, IDC_REPEAT_TIME_UNIT);
  speed_.Attach(hwnd_, IDC_SPEED);
  records_.Attach(hwnd_, IDC_RECORD_LIST);

  repeatOnce_.SetChecked(true);
  repeatTimes_.SetText(L"10");
  repeatTime_.SetText(L"1");
  for (const wchar_t* unit : kDurationUnitNames) repeatTimeUnit_.Add(unit);
  repeatTimeUnit_.Select(kDurationMinute);
  for (Edit* field : {&delayHours_, &delayMinutes_, &delaySeconds_}) field->SetText(L"0");
  speed_.SetRange(0, 10);
  speed_.SetPosition(5);

  records_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  const int width = records_.ClientRect().right;
  records_.InsertColumn(0, L"Record Name", width * 25 / 100);
  records_.InsertColumn(1, L"Record Location", width * 71 / 100);

  UpdateRepeatControls();
  UpdateDelayControls();
  return true;
}

bool CSorvaneDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_REPEAT_ONCE:
    case IDC_REPEAT_COUNT:
    case IDC_REPEAT_FOR:
      UpdateRepeatControls();
      return true;
    case IDC_DELAY:
      UpdateDelayControls();
      return true;
    default:
      return MainDialog::OnCommand(id, code, control);
  }
}

void CSorvaneDlg::UpdateRepeatControls() const {
  repeatTimes_.Enable(repeatCount_.IsChecked());
  repeatTime_.Enable(repeatFor_.IsChecked());
  repeatTimeUnit_.Enable(repeatFor_.IsChecked());
}

void CSorvaneDlg::UpdateDelayControls() const {
  const bool on = delay_.IsChecked();
  for (const Edit* field : {&delayHours_, &delayMinutes_, &delaySeconds_}) field->Enable(on);
  randomDelay_.Enable(on);
}
