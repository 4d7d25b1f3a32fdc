#include "SorvaneDlg.h"

#include "../shared/frame/AppValues.h"
#include "../shared/portable/DurationUnit.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "HotkeySettings.h"
#include "crash/CrashReport.h"
#include "engine/CommandLine.h"
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
      {&repeatTimes_, IDC_REPEAT_TIMES},  {&repeatTime_, IDC_REPEAT_TIME},       {&delayHours_, IDC_DELAY_HOURS},
      {&delayMinutes_, IDC_DELAY_MINUTES}, {&delaySeconds_, IDC_DELAY_SECONDS},  {&repeatTimeUnit_, IDC_REPEAT_TIME_UNIT},
      {&speed_, IDC_SPEED},               {&records_, IDC_RECORD_LIST},
  };
  for (const auto& c : controls) c.control->Attach(hwnd_, c.id);
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
}

void CSorvaneDlg::StartFromCommandLine() {
  if (commandLine_.empty()) {
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
  if (id == ID_HOTKEY_START_RECORD) {
    Send(WM_COMMAND, IDC_RECORD);
  } else if (id == ID_HOTKEY_START_REPEAT) {
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

void CSorvaneDlg::AddOrSelectRecord(const std::wstring& path) {
  int index = -1;
  for (int i = 0; i < records_.Count() && index < 0; ++i) {
    if (CompareStringOrdinal(records_.ItemText(i, 1).c_str(), -1, path.c_str(), -1, TRUE) == CSTR_EQUAL) index = i;
  }
  if (index < 0) {
    std::wstring name = path.substr(path.rfind(L'\\') + 1);
    if (const size_t dot = name.rfind(L'.'); dot != std::wstring::npos) name.resize(dot);
    index = records_.InsertItem(records_.Count(), name);
    records_.SetItemText(index, 1, path);
  }
  records_.Select(index);
  records_.EnsureVisible(index);
  records_.Focus();
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

RepeatControls CSorvaneDlg::ReadRepeatControls() const {
  RepeatControls c;
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
