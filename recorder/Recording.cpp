// The Record command of the main window: the hooks capture everything until the stop
// window or its hotkey ends the recording, then the record is named and saved.
#include <windows.h>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/frame/Win32FileStore.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "RecordingHooks.h"
#include "SaveRecDlg.h"
#include "SorvaneDlg.h"
#include "StopWnd.h"
#include "engine/RecordFile.h"
#include "engine/RecordName.h"
#include "engine/SaveRecordDecision.h"

namespace {

// Room for about ten minutes of busy mouse movement before the buffer has to grow.
constexpr size_t kExpectedEvents = 64 * 1024;
// A recording in which nothing at all is captured is given up after this long.
constexpr DWORD kAbandonAfterMs = 5000;

bool RecordFileExists(const std::wstring& name) {
  return GetFileAttributesW(RecordPath(g_app.recordFolder, name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void CSorvaneDlg::OnRecord() {
  if (recording_) return;
  recording_ = true;
  Show(SW_HIDE);
  playback_.stopRequested = false;
  POINT pointer{};
  GetCursorPos(&pointer);
  recordingBuffer_.Start(kExpectedEvents, pointer.x, pointer.y);

  RecordingHooks hooks;
  if (const DWORD error = hooks.Install(recordingBuffer_)) {
    ShowMessage(hwnd_, FormatText(L"Create Recorder failed, error 0x%X.", static_cast<unsigned>(error)));
    BringBack();
    recording_ = false;
    return;
  }

  bool abandoned = false;
  {
    CStopWnd stopWindow(playback_);
    stopWindow.Open();
    const DWORD start = GetTickCount();
    MSG msg;
    while (!playback_.stopRequested) {
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the dialog's own loop
        break;
      }
      if (!recordingBuffer_.HasUserInput() && GetTickCount() - start > kAbandonAfterMs) {
        abandoned = true;
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  hooks.Remove();
  BringBack();
  if (!abandoned) SaveRecording(recordingBuffer_.Events());
  recording_ = false;
}

void CSorvaneDlg::SaveRecording(const std::vector<MacroEvent>& events) {
  CSaveRecDlg save(g_app.recordFolder);
  save.name = ProposeRecordName(records_.Count(), RecordFileExists);
  if (save.DoModal(hwnd_) != IDOK) return;

  CreateDirectories(g_app.recordFolder);
  const std::wstring path = RecordPath(g_app.recordFolder, save.name);
  Win32FileStore files;
  std::wstring error;
  if (!WriteRecordFile(files, path, save.description, events, error)) {
    ShowMessage(hwnd_, error);
    return;
  }
  AddOrSelectRecord(path);
}
