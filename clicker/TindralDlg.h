// The clicker's only window: the click settings, Start and Stop.
#pragma once

#include "../shared/frame/MainDialog.h"
#include "../shared/win/controls/Button.h"
#include "../shared/win/controls/ComboBox.h"

class CTindralDlg : public MainDialog {
 public:
  CTindralDlg();

 protected:
  bool OnInitDialog() override;

 private:
  Button stop_, clickHere_, countMode_;
  ComboBox mouse_, action_, forTimeUnit_;
};
