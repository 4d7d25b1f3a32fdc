// The About box: icon, "<program>, Version <x.y.z.w>", the web site's link and OK.
#pragma once

#include "../controls/HyperLink.h"
#include "../win/Dialog.h"

class CAboutDlg : public ModalDialog {
 public:
  CAboutDlg();

 protected:
  bool OnInitDialog() override;

 private:
  CHyperLink link_;
};
