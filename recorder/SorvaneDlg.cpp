#include "SorvaneDlg.h"

#include <shellapi.h>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/portable/DurationUnit.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "HotkeySettings.h"
#include "OptionsDlg.h"
#include "crash/CrashReport.h"
#include "engine/CommandLine.h"
#include "engine/RepeatSettings.h"
#include "resource.h"

CSorvaneDlg::CSorvaneDlg(std::wstring commandLine)
    : MainDialog(IDD_SORVANE_DIALOG, RGB(246, 246, 246), {ID_FILE_EXIT, ID_HELP_ABOUT, ID_HELP_HELP}),
      commandLine_(std::move(commandLine)) {}

bool CSorvaneDlg::OnInitDialog() {
  MainDialog::OnInitDialog();
  AttachControls();
  SetInitialState();
  StartFromCommandLine();
  return true;
}

void CSorvaneDlg::AttachControls() {
  const struct {
    Control* control;
    int id;
  } controls[] = {
      {&record_, IDC_RECORD},             {&repeat_, IDC_REPEAT},
      {&repeatOnce_, IDC_REPEAT_ONCE},    {&repeatCount_, IDC_REPEAT_COUNT},     {&repeatFor_, IDC_REPEAT_FOR},
      {&delay_, IDC_DELAY},               {&randomDelay_, IDC_RANDOM_DELAY},     {&shutdown_, IDC_SHUTDOWN},
      {&repeatTimeUnit_, IDC_REPEAT_TIME_UNIT}, {&speed_, IDC_SPEED},          {&records_, IDC_RECORD_LIST},
  };
  for (const auto& c : controls) c.control->Attach(hwnd_, c.id);

  // The number fields and their spin buttons, which step them within their range.
  const struct {
    CNumEdit* field;
    CNumSpinCtrl* spin;
    int fieldId, spinId;
    float minimum;
  } numbers[] = {
      {&repeatTimes_, &repeatTimesSpin_, IDC_REPEAT_TIMES, IDC_REPEAT_TIMES_SPIN, 1},
      {&repeatTime_, &repeatTimeSpin_, IDC_REPEAT_TIME, IDC_REPEAT_TIME_SPIN, 1},
      {&delayHours_, &delayHoursSpin_, IDC_DELAY_HOURS, IDC_DELAY_HOURS_SPIN, 0},
      {&delayMinutes_, &delayMinutesSpin_, IDC_DELAY_MINUTES, IDC_DELAY_MINUTES_SPIN, 0},
      {&delaySeconds_, &delaySecondsSpin_, IDC_DELAY_SECONDS, IDC_DELAY_SECONDS_SPIN, 0},
  };
  for (const auto& n : numbers) {
    n.field->Subclass(hwnd_, n.fieldId);
    n.spin->Subclass(hwnd_, n.spinId);
    n.spin->SetBuddy(n.field->Handle());
    n.spin->SetRange(n.minimum, 10000000);
  }
}

void CSorvaneDlg::SetInitialState() {
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
  FillRecordList();
}

void CSorvaneDlg::StartFromCommandLine() {
  if (commandLine_.empty()) {
    LoadRepeatSettings();
    RegisterMainHotkeys();
    return;
  }
  stay_ = false;
  const RunRequest request = ParseCommandLine(commandLine_);
  if (!request.valid) {
    ShowMessage(hwnd_, FormatText(L"Invalid arguments: %ls", commandLine_.c_str()));
    Post(WM_CLOSE);  // nothing to play: end rather than wait invisibly
    return;
  }
  ApplyRunOptions(request);
  stay_ = request.stay;
  if (!stay_) HideAsToolWindow();

  SetCurrentDirectoryW(g_app.moduleFolder.c_str());
  std::wstring path = request.recordPath;
  if (const DWORD length = GetLongPathNameW(path.c_str(), nullptr, 0); length > 0) {
    std::wstring longPath(length, L'\0');
    longPath.resize(GetLongPathNameW(path.c_str(), longPath.data(), length));
    if (!longPath.empty()) path = longPath;
  }
  AddOrSelectRecord(path);
  commandLineRecord_ = true;
  Post(WM_COMMAND, IDC_REPEAT);
  RegisterMainHotkeys();
}

void CSorvaneDlg::RegisterMainHotkeys() {
  UnregisterHotKey(hwnd_, ID_HOTKEY_START_RECORD);
  UnregisterHotKey(hwnd_, ID_HOTKEY_START_REPEAT);
  const HotkeyPair record = ReadHotkey(kStartRecordHotkey);
  const HotkeyPair repeat = ReadHotkey(kStartRepeatHotkey);
  RegisterHotkeyOrWarn(hwnd_, ID_HOTKEY_START_RECORD, record);
  RegisterHotkeyOrWarn(hwnd_, ID_HOTKEY_START_REPEAT, repeat);
  record_.SetText(FormatText(L"Record (%ls)", HotkeyDisplayText(record).c_str()));
  repeat_.SetText(FormatText(L"Repeat (%ls)", HotkeyDisplayText(repeat).c_str()));
}

bool CSorvaneDlg::OnHotKey(int id) {
  if (optionsOpen_ && (id == ID_HOTKEY_START_RECORD || id == ID_HOTKEY_START_REPEAT)) return true;
  if (id == ID_HOTKEY_START_RECORD) {
    Send(WM_COMMAND, IDC_RECORD);
  } else if (id == ID_HOTKEY_START_REPEAT) {
    if (!commandLineRecord_) SaveRepeatSettings();
    PlaybackGuard([this] { PlayRecord(); });  // without bringing the window forward
  } else {
    return false;
  }
  return true;
}

void CSorvaneDlg::ApplyRunOptions(const RunRequest& request) {
  if (request.times) repeatTimes_.SetText(std::to_wstring(*request.times));
  if (request.time) {
    repeatTime_.SetText(std::to_wstring(*request.time));
    repeatTimeUnit_.Select(request.timeUnit);
  }
  if (request.repeat != RunRequest::Repeat::Unchanged) {
    repeatOnce_.SetChecked(false);
    repeatCount_.SetChecked(request.repeat == RunRequest::Repeat::Times);
    repeatFor_.SetChecked(request.repeat == RunRequest::Repeat::ForTime);
  }
  if (request.delayHours) {
    delayHours_.SetText(std::to_wstring(*request.delayHours));
    delayMinutes_.SetText(std::to_wstring(*request.delayMinutes));
    delaySeconds_.SetText(std::to_wstring(*request.delaySeconds));
    delay_.SetChecked(true);
  }
  if (request.speed) speed_.SetPosition(*request.speed);
  UpdateRepeatControls();
  UpdateDelayControls();
}

// Neither seen nor in the task bar while it plays the command line's record.
void CSorvaneDlg::HideAsToolWindow() {
  const LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, (exStyle | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
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
    case IDC_RECORD:
      OnRecord();
      return true;
    case ID_FILE_OPEN:
      OnOpen();
      return true;
    case ID_EDIT_RECORD:
      OnEditRecord();
      return true;
    case ID_DELETE_RECORD:
      OnDeleteRecord();
      return true;
    case ID_TOOLS_TINDRAL:
      StartSibling(L"Tindral.exe");
      return true;
    case ID_TOOLS_GALLIVET:
      StartSibling(L"Gallivet.exe");
      return true;
    case ID_TOOLS_HESTORN:
      StartSibling(L"Hestorn.exe");
      return true;
    case ID_TOOLS_OPTIONS:
      OnOptions();
      return true;
    case ID_HELP_UPDATE:
    case ID_HELP_UPGRADE:
      ShowMessage(hwnd_, L"This is not available yet.", MB_ICONINFORMATION);
      return true;
    case IDC_REPEAT:
      OnRepeat();
      return true;
    default:
      return MainDialog::OnCommand(id, code, control);
  }
}

bool CSorvaneDlg::OnClose() {
  closing_ = true;
  playback_.stopRequested = true;  // a playback or recording in progress ends
  UnregisterHotKey(hwnd_, ID_HOTKEY_START_RECORD);
  UnregisterHotKey(hwnd_, ID_HOTKEY_START_REPEAT);
  return MainDialog::OnClose();
}

void CSorvaneDlg::BringBack() {
  Show(SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool CSorvaneDlg::OnNotify(const NMHDR& header, LRESULT&) {
  // A double click on a record plays it, like the Repeat button.
  if (header.idFrom != IDC_RECORD_LIST || header.code != NM_DBLCLK || records_.Selected() < 0) return false;
  OnRepeat();
  return true;
}

void CSorvaneDlg::OnOptions() {
  optionsOpen_ = true;
  COptionsDlg options(g_app.recordFolder);
  const bool ok = options.DoModal(hwnd_) == IDOK;
  optionsOpen_ = false;
  if (!ok) return;
  g_app.recordFolder = options.recordFolder;
  WritePrivateProfileStringW(L"Option", L"RecordDirectory", g_app.recordFolder.c_str(), g_app.settingsFile.c_str());
  FillRecordList();
  LoadRepeatSettings();  // replaces unsaved changes of the repeat controls
  RegisterMainHotkeys();
}

void CSorvaneDlg::StartSibling(const wchar_t* exe) const {
  const std::wstring path = L"\"" + g_app.moduleFolder + L"\\" + exe + L"\"";
  ShellExecuteW(nullptr, L"open", path.c_str(), L"", nullptr, SW_SHOWNORMAL);
}

void CSorvaneDlg::SaveRepeatSettings() const {
  const int selected = records_.Selected();
  ::SaveRepeatSettings(ReadRepeatControls(), selected < 0 ? std::wstring() : records_.ItemText(selected, 1),
                       [](const wchar_t* key, const std::wstring& value) {
                         WritePrivateProfileStringW(L"OptEx", key, value.c_str(), g_app.settingsFile.c_str());
                       });
}

void CSorvaneDlg::LoadRepeatSettings() {
  RepeatControls controls = ReadRepeatControls();
  const std::wstring record = ::LoadRepeatSettings(
      [](const wchar_t* key, const wchar_t* fallback) {
        return ReadProfileText(g_app.settingsFile, L"OptEx", key, fallback);
      },
      controls);
  ShowRepeatControls(controls);
  if (record.empty()) return;
  for (int i = 0; i < records_.Count(); ++i) {
    if (SameLocation(records_.ItemText(i, 1), record)) ShowRecord(i);
  }
}

void CSorvaneDlg::ShowRepeatControls(const RepeatControls& c) {
  repeatOnce_.SetChecked(c.once);
  repeatCount_.SetChecked(c.times);
  repeatFor_.SetChecked(c.forTime);
  repeatTimes_.SetText(c.timesText);
  repeatTime_.SetText(c.timeText);
  repeatTimeUnit_.Select(c.timeUnit);
  shutdown_.SetChecked(c.shutdown);
  delay_.SetChecked(c.delay);
  delayHours_.SetText(c.delayHours);
  delayMinutes_.SetText(c.delayMinutes);
  delaySeconds_.SetText(c.delaySeconds);
  randomDelay_.SetChecked(c.randomDelay);
  speed_.SetPosition(c.speedPosition);
  UpdateRepeatControls();
  UpdateDelayControls();
}

RepeatControls CSorvaneDlg::ReadRepeatControls() const {
  RepeatControls c;
  c.once = repeatOnce_.IsChecked();
  c.shutdown = shutdown_.IsChecked();
  c.times = repeatCount_.IsChecked();
  c.forTime = repeatFor_.IsChecked();
  c.timesText = repeatTimes_.Text();
  c.timeText = repeatTime_.Text();
  c.timeUnit = repeatTimeUnit_.Selection();
  c.delay = delay_.IsChecked();
  c.delayHours = delayHours_.Text();
  c.delayMinutes = delayMinutes_.Text();
  c.delaySeconds = delaySeconds_.Text();
  c.randomDelay = randomDelay_.IsChecked();
  c.speedPosition = speed_.Position();
  return c;
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
