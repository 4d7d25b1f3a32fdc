#include "OptionsDlg.h"

#include <shlobj.h>

#include <utility>

#include "../shared/frame/AppStartup.h"
#include "../shared/frame/AppValues.h"
#include "../shared/win/MessageBox.h"
#include "../shared/win/controls/Button.h"
#include "../shared/win/controls/HotKeyCtrl.h"
#include "HotkeySettings.h"
#include "engine/RecorderOptions.h"
#include "resource.h"

namespace {

const struct {
  int control;
  const HotkeySetting& setting;
  HotkeyPair cleared;  // stored when the control is left empty
} kOptionHotkeys[] = {
    {IDC_HK_START_RECORD, kStartRecordHotkey, kStartRecordHotkey.fallback},
    {IDC_HK_STOP_RECORD, kStopRecordHotkey, kStopRecordHotkey.fallback},
    {IDC_HK_START_REPEAT, kStartRepeatHotkey, kStartRepeatHotkey.fallback},
    {IDC_HK_STOP_REPEAT, kStopRepeatHotkey, kStopRepeatHotkey.fallback},
    {IDC_HK_PAUSE_REPEAT, kPauseRepeatHotkey, kClearedPauseHotkey},
};

const struct {
  int control;
  const OptionSwitch& option;
} kOptionSwitches[] = {
    {IDC_MOVE_NO_STOP, kMoveNoStopSwitch},
    {IDC_NO_PROGRESS_WINDOW, kNoProgressWindowSwitch},
    {IDC_COMPATIBLE_MODE, kCompatibleModeSwitch},
};

}  // namespace

COptionsDlg::COptionsDlg(std::wstring recordFolder)
    : ModalDialog(IDD_OPTIONS), recordFolder(std::move(recordFolder)) {
  SetBackground(RGB(246, 246, 246));
}

bool COptionsDlg::OnInitDialog() {
  folder_.Attach(hwnd_, IDC_RECORD_FOLDER);
  folder_.SetText(recordFolder);
  for (const auto& row : kOptionHotkeys) {
    HotKeyCtrl hotkey;
    hotkey.Attach(hwnd_, row.control);
    const HotkeyPair pair = ReadHotkey(row.setting);
    hotkey.SetHotKey(pair.virtualKey, pair.flags);
  }
  for (const auto& row : kOptionSwitches) {
    Button box;
    box.Attach(hwnd_, row.control);
    box.SetChecked(SwitchIsOn(row.option,
                              ReadProfileText(g_app.settingsFile, L"Option", row.option.key, row.option.defaultText)));
  }
  return true;
}

bool COptionsDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_BROWSE) return ModalDialog::OnCommand(id, code, control);
  Browse();
  return true;
}

void COptionsDlg::Browse() const {
  // The folder picker needs COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOW info{};
  info.hwndOwner = hwnd_;
  info.lpszTitle = L"Select folder";
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  if (PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info)) {
    wchar_t path[MAX_PATH] = L"";
    if (SHGetPathFromIDListW(chosen, path)) folder_.SetText(path);
    CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

void COptionsDlg::OnOK() {
  // Written first: they stay written even when the folder is refused below.
  for (const auto& row : kOptionHotkeys) {
    HotKeyCtrl hotkey;
    hotkey.Attach(hwnd_, row.control);
    WriteHotkey(row.setting, HotkeyOrFallback({hotkey.VirtualKey(), hotkey.Modifiers()}, row.cleared));
  }
  const std::wstring folder = folder_.Text();
  if (folder.empty()) {
    ShowMessage(hwnd_, L"Please select a directory!");
    return;
  }
  recordFolder = folder;
  for (const auto& row : kOptionSwitches) {
    Button box;
    box.Attach(hwnd_, row.control);
    WritePrivateProfileStringW(L"Option", row.option.key, SwitchText(box.IsChecked()), g_app.settingsFile.c_str());
  }
  End(IDOK);
}
