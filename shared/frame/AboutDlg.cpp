#include "AboutDlg.h"

#include "../portable/TextFormat.h"
#include "../res/FrameIds.h"
#include "AppValues.h"
#include "Site.h"
#include "VersionInfo.h"

CAboutDlg::CAboutDlg() : ModalDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
  SetDlgItemTextW(hwnd_, IDC_ABOUT_VERSION,
                  FormatText(L"%ls, Version %ls", g_app.name.c_str(), GetVersionText(false).c_str()).c_str());
  link_.SetUrl(kSiteAddress);
  link_.Subclass(hwnd_, IDC_ABOUT_LINK);
  return true;
}
