// The key presser's only window: the key, its modifiers and the press mode. It shares
// its class name and design with the clicker's main window, hence the namespace.
#pragma once

#include "../shared/frame/MainDialog.h"
#include "../shared/win/controls/Button.h"
#include "../shared/win/controls/ComboBox.h"
#include "../shared/win/controls/Edit.h"

namespace presser {

class CTindralDlg : public MainDialog {
 public:
  CTindralDlg();

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void OnPressModeChanged() const;

  Button stop_, hold_;
  Edit delayTime_;
  ComboBox delayUnit_;
};

}  // namespace presser
