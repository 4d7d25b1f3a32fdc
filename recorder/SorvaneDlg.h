// The recorder's main window: the record library, the repeat options and the commands.
// Started with a record on the command line, it plays that record and ends.
#pragma once

#include <string>

#include "../shared/controls/NumEdit.h"
#include "../shared/controls/NumSpinCtrl.h"
#include "../shared/frame/MainDialog.h"
#include "../shared/win/controls/Button.h"
#include "../shared/win/controls/ComboBox.h"
#include "../shared/win/controls/Edit.h"
#include "../shared/win/controls/ListView.h"
#include "../shared/win/controls/Slider.h"
#include "engine/MacroRecord.h"
#include "engine/PlaybackOptions.h"
#include "engine/PlaybackState.h"
#include "engine/RecordingBuffer.h"

struct RunRequest;

class CSorvaneDlg : public MainDialog {
 public:
  explicit CSorvaneDlg(std::wstring commandLine);

  // Selects the entry of that file, or adds one; the list gets the focus.
  void AddOrSelectRecord(const std::wstring& path);
  // The records of the record folder; the first is selected.
  void FillRecordList();
  // Whether two record locations name the same file (letter case does not count).
  static bool SameLocation(const std::wstring& a, const std::wstring& b);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnHotKey(int id) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnClose() override;

 private:
  void AttachControls();
  void SetInitialState();
  void StartFromCommandLine();
  void ApplyRunOptions(const RunRequest& request);
  void HideAsToolWindow();
  void RegisterMainHotkeys();
  void OnRecord();
  void SaveRecording(const std::vector<MacroEvent>& events);
  void OnRepeat();
  void PlayRecord();
  bool LoadRecordToPlay(MacroRecord& record);
  RepeatControls ReadRepeatControls() const;
  void ShowRepeatControls(const RepeatControls& controls);
  void SaveRepeatSettings() const;
  void LoadRepeatSettings();
  void OnOpen();
  int SelectedRecordFor(const wchar_t* noSelectionMessage);
  // Selects the entry, scrolls it into view and gives the list the focus.
  void ShowRecord(int item);
  void OnEditRecord();
  void EditRecord(int item);
  void OnDeleteRecord();
  void StartSibling(const wchar_t* exe) const;
  void OnOptions();
  void FinishPlayback();
  // Shows the window again, in front, after a recording or a playback.
  void BringBack();
  void UpdateRepeatControls() const;
  void UpdateDelayControls() const;

  std::wstring commandLine_;
  bool stay_ = true;                // false in run-a-record mode without "noquit"
  bool commandLineRecord_ = false;  // the command line's record is queued or playing
  bool playing_ = false;
  bool recording_ = false;
  bool optionsOpen_ = false;        // the window's hotkeys are ignored meanwhile
  bool closing_ = false;
  PlaybackState playback_;  // its stop request also ends a recording
  RecordingBuffer recordingBuffer_;

  Button record_, repeat_, repeatOnce_, repeatCount_, repeatFor_, delay_, randomDelay_, shutdown_;
  CNumEdit repeatTimes_, repeatTime_, delayHours_, delayMinutes_, delaySeconds_;
  CNumSpinCtrl repeatTimesSpin_, repeatTimeSpin_, delayHoursSpin_, delayMinutesSpin_, delaySecondsSpin_;
  ComboBox repeatTimeUnit_;
  Slider speed_;
  ListView records_;
};
