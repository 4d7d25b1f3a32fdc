#include "SaveRecDlg.h"

#include <utility>

#include "../shared/portable/TextFormat.h"
#include "../shared/win/MessageBox.h"
#include "engine/SaveRecordDecision.h"
#include "resource.h"

CSaveRecDlg::CSaveRecDlg(std::wstring recordFolder)
    : ModalDialog(IDD_SAVE_RECORD), recordFolder_(std::move(recordFolder)) {
  SetBackground(RGB(246, 246, 246));
}

bool CSaveRecDlg::OnInitDialog() {
  name_.Attach(hwnd_, IDC_RECORD_NAME);
  description_.Attach(hwnd_, IDC_RECORD_DESCRIPTION);
  name_.SetText(name);
  description_.SetText(description);
  if (!editMode) return true;  // the system focuses the first field, the name
  // Editing usually means changing the description.
  description_.SelectAll();
  description_.Send(EM_SCROLLCARET);
  description_.Focus();
  return false;
}

void CSaveRecDlg::OnOK() {
  const std::wstring typed = name_.Text();
  const std::wstring target = RecordPath(recordFolder_, typed);
  const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  switch (DecideSave(typed, exists, editMode, target, oldPath)) {
    case SaveDecision::AskForName:
      ShowMessage(hwnd_, L"Please input a Record Name.");
      return;
    case SaveDecision::RefuseRename:
      ShowMessage(hwnd_, FormatText(L"Can not rename the record to '%ls': A record with the name you specified "
                                    L"already exist.\nPlease specify a different name.",
                                    typed.c_str()));
      name_.Focus();
      return;
    case SaveDecision::AskOverwrite:
      if (ShowMessage(hwnd_, FormatText(L"Record file '%ls' already exists, do you want to overwrite it?", target.c_str()),
                      MB_YESNO | MB_ICONQUESTION) != IDYES) {
        name_.Focus();
        return;
      }
      break;
    case SaveDecision::Accept:
      break;
  }
  name = typed;
  description = description_.Text();
  End(IDOK);
}
