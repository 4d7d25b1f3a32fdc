// The "Save Record" dialog: a name and a description for a new recording or for the
// record being edited. OK keeps the record's name unique in the record folder.
#pragma once

#include <string>

#include "../shared/win/Dialog.h"
#include "../shared/win/controls/Edit.h"

class CSaveRecDlg : public ModalDialog {
 public:
  explicit CSaveRecDlg(std::wstring recordFolder);

  // Set before DoModal(); name and description hold the typed text after OK.
  std::wstring name;
  std::wstring description;
  std::wstring oldPath;   // the edited record's file
  bool editMode = false;  // false: a new recording

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  std::wstring recordFolder_;
  Edit name_;
  Edit description_;
};
