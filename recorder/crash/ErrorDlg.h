// The crash report dialog: an apology, the report in a read-only box to copy from, OK.
#pragma once

#include <string>

#include "../../shared/win/Dialog.h"

class CErrorDlg : public ModalDialog {
 public:
  explicit CErrorDlg(std::wstring report);

 protected:
  bool OnInitDialog() override;

 private:
  std::wstring report_;
};
