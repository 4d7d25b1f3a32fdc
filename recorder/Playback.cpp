// The Repeat command of the main window: choosing and loading the record, the progress
// window, the playback engine, and what comes after.
#include <windows.h>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/frame/Win32FileStore.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "HotkeySettings.h"
#include "ProgDlg.h"
#include "ShutdownDlg.h"
#include "SorvaneDlg.h"
#include "StopTipDlg.h"
#include "SystemShutdown.h"
#include "Win32PlaybackHost.h"
#include "crash/CrashReport.h"
#include "engine/PlaybackEnding.h"
#include "engine/PlaybackEngine.h"
#include "engine/RecordFile.h"
#include "engine/RecorderOptions.h"
#include "resource.h"

namespace {

bool SwitchIsOn(const OptionSwitch& option) {
  return SwitchIsOn(option, ReadProfileText(g_app.settingsFile, L"Option", option.key, option.defaultText));
}

PlaybackSettings LoadPlaybackSettings() {
  PlaybackSettings settings;
  settings.checkUserMoves = !SwitchIsOn(kMoveNoStopSwitch);
  settings.absoluteMoves = !SwitchIsOn(kCompatibleModeSwitch);
  settings.screen = Win32PlaybackHost::Screen();
  settings.pauseHotkeyText = HotkeyDisplayText(ReadHotkey(kPauseRepeatHotkey));
  return settings;
}

}  // namespace

void CSorvaneDlg::OnRepeat() {
  SetForegroundWindow(hwnd_);
  if (!commandLineRecord_) SaveRepeatSettings();
  PlaybackGuard([this] { PlayRecord(); });
  commandLineRecord_ = false;
}

void CSorvaneDlg::PlayRecord() {
  if (playing_) return;
  playing_ = true;
  MacroRecord record;
  if (!LoadRecordToPlay(record)) {
    playing_ = false;
    // Run-a-record mode has nothing left to do; waiting invisibly would hang its caller.
    if (!stay_) Post(WM_CLOSE);
    return;
  }

  Show(SW_HIDE);
  playback_.stopRequested = false;
  const PlaybackSettings settings = LoadPlaybackSettings();
  const bool noProgressWindow = SwitchIsOn(kNoProgressWindowSwitch);
  {
    Win32PlaybackHost host;
    CProgDlg progress(playback_);
    progress.Open(hwnd_, noProgressWindow, RecordedLengthMs(record.events));
    PlaybackEngine engine(host, progress, playback_, settings);
    engine.Run(record.events, ReadPlaybackOptions(ReadRepeatControls()));
  }
  FinishPlayback();
}

bool CSorvaneDlg::LoadRecordToPlay(MacroRecord& record) {
  const int count = records_.Count();
  if (count == 0) {
    ShowMessage(hwnd_, L"There is no Record, please click 'Record' to create a Record first.", MB_ICONINFORMATION);
    return false;
  }
  const int item = count == 1 ? 0 : records_.Selected();
  if (item < 0) {
    ShowMessage(hwnd_, L"Please select the Record you want to repeat!");
    return false;
  }
  const std::wstring path = records_.ItemText(item, 1);
  Win32FileStore files;
  std::wstring error;
  if (!ReadRecordFile(files, path, error, record.description, record.events)) {
    ShowMessage(hwnd_, error);
    return false;
  }
  if (record.events.empty()) {
    ShowMessage(hwnd_, FormatText(L"Record: '%ls' is empty!", path.c_str()));
    return false;
  }
  return true;
}

void CSorvaneDlg::FinishPlayback() {
  const PlaybackEnding ending = DecidePlaybackEnding(playback_, stay_, shutdown_.IsChecked(), StopTipEnabled());
  if (ending.showStopTip) {
    CStopTipDlg tip;
    tip.DoModal(hwnd_);
  }
  playing_ = false;
  switch (ending.then) {
    case PlaybackEnding::Then::ExitStopped:
      ExitProcess(static_cast<UINT>(-2));
    case PlaybackEnding::Then::Close:
      Send(WM_CLOSE);
      return;
    case PlaybackEnding::Then::Shutdown: {
      CShutdownDlg countdown(ShutDownComputer);
      if (countdown.DoModal(hwnd_) != IDCANCEL) return;  // hidden while the computer shuts down
    }
      [[fallthrough]];
    case PlaybackEnding::Then::RestoreWindow:
      if (!closing_) {
        BringBack();
        records_.Focus();
      }
      return;
  }
}
