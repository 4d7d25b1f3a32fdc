// The record library of the main window: the records of the record folder, and the
// Open, Edit Record and Delete Record commands.
#include <windows.h>

#include <commdlg.h>

#include "../shared/frame/AppValues.h"
#include "../shared/frame/Win32FileStore.h"
#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "SaveRecDlg.h"
#include "SorvaneDlg.h"
#include "engine/RecordFile.h"
#include "engine/SaveRecordDecision.h"

namespace {

// The name of a record: its file name up to the last dot.
std::wstring RecordName(const std::wstring& fileName) {
  const size_t dot = fileName.rfind(L'.');
  return dot == std::wstring::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace

void CSorvaneDlg::FillRecordList() {
  records_.DeleteAll();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((g_app.recordFolder + L"\\*.rec").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;  // also "." and ".."
      const int item = records_.InsertItem(records_.Count(), RecordName(found.cFileName));
      records_.SetItemText(item, 1, g_app.recordFolder + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  if (records_.Count() > 0) {
    records_.Select(0);
    records_.Focus();
  }
}

bool CSorvaneDlg::SameLocation(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

void CSorvaneDlg::ShowRecord(int item) {
  records_.Select(item);
  records_.EnsureVisible(item);
  records_.Focus();
}

void CSorvaneDlg::AddOrSelectRecord(const std::wstring& path) {
  int index = -1;
  for (int i = 0; i < records_.Count() && index < 0; ++i) {
    if (SameLocation(records_.ItemText(i, 1), path)) index = i;
  }
  if (index < 0) {
    index = records_.InsertItem(records_.Count(), RecordName(path.substr(path.rfind(L'\\') + 1)));
    records_.SetItemText(index, 1, path);
  }
  ShowRecord(index);
}

void CSorvaneDlg::OnOpen() {
  wchar_t file[MAX_PATH] = L"";
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = hwnd_;
  open.lpstrFilter = L"Sorvane File(*.rec)\0*.rec\0All Files(*.*)\0*.*\0";
  open.lpstrFile = file;
  open.nMaxFile = MAX_PATH;
  open.lpstrTitle = L"Open File";
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (GetOpenFileNameW(&open)) AddOrSelectRecord(file);
}

// The selected entry, after the messages for an empty list and for no selection.
int CSorvaneDlg::SelectedRecordFor(const wchar_t* noSelectionMessage) {
  if (records_.Count() == 0) {
    ShowMessage(hwnd_, L"There is no Record, please click 'Record' to create a Record first.", MB_ICONINFORMATION);
    return -1;
  }
  const int item = records_.Selected();
  if (item < 0) ShowMessage(hwnd_, noSelectionMessage);
  return item;
}

void CSorvaneDlg::OnEditRecord() {
  const int item = SelectedRecordFor(L"Please select the Record you want to edit.");
  if (item >= 0) EditRecord(item);
  records_.Focus();
}

void CSorvaneDlg::EditRecord(int item) {
  const std::wstring oldPath = records_.ItemText(item, 1);
  Win32FileStore files;
  std::wstring error;
  MacroRecord record;
  if (!ReadRecordFile(files, oldPath, error, record.description, record.events)) {
    ShowMessage(hwnd_, error);
    return;
  }
  CSaveRecDlg save(g_app.recordFolder);
  save.name = records_.ItemText(item, 0);
  save.description = record.description;
  save.oldPath = oldPath;
  save.editMode = true;
  if (save.DoModal(hwnd_) != IDOK) return;

  // The new file first: a failed write loses nothing. The old one goes only when the
  // record now lives elsewhere.
  const std::wstring path = RecordPath(g_app.recordFolder, save.name);
  if (!WriteRecordFile(files, path, save.description, record.events, error)) {
    ShowMessage(hwnd_, error);
    return;
  }
  if (!SameLocation(path, oldPath)) DeleteFileW(oldPath.c_str());
  records_.SetItemText(item, 0, save.name);
  records_.SetItemText(item, 1, path);
}

void CSorvaneDlg::OnDeleteRecord() {
  const int item = SelectedRecordFor(L"Please select the Record you want to delete.");
  if (item >= 0) {
    const std::wstring path = records_.ItemText(item, 1);
    if (ShowMessage(hwnd_, FormatText(L"Do you really want to delete the file: '%ls'?", path.c_str()),
                    MB_YESNO | MB_ICONQUESTION) == IDYES) {
      DeleteFileW(path.c_str());
      records_.DeleteItem(item);
    }
  }
  records_.Focus();
}
