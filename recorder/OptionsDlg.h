// The Options dialog (template 106): the record folder, the five global hotkeys and the
// three playback switches. Hotkeys and switches go straight to conf.ini; the folder
// goes back to the caller, which stores it.
#pragma once

#include <string>

#include "../shared/win/Dialog.h"
#include "../shared/win/controls/Edit.h"

class COptionsDlg : public ModalDialog {
 public:
  explicit COptionsDlg(std::wstring recordFolder);

  // The folder shown on opening; after OK, the one the user chose.
  std::wstring recordFolder;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void Browse() const;

  Edit folder_;
};
