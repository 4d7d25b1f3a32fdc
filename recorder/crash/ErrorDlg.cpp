#include "ErrorDlg.h"

#include <utility>

#include "../resource.h"

CErrorDlg::CErrorDlg(std::wstring report) : ModalDialog(IDD_ERROR), report_(std::move(report)) {}

bool CErrorDlg::OnInitDialog() {
  SetDlgItemTextW(hwnd_, IDC_ERROR_TEXT, report_.c_str());
  return true;
}
