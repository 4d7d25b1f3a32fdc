// Shown after a playback that stopped because the user moved the mouse.
#pragma once

#include "../shared/win/Dialog.h"

class CStopTipDlg : public ModalDialog {
 public:
  CStopTipDlg();

 protected:
  bool OnCommand(int id, int code, HWND control) override;
};

// Whether the tip is still wanted ("UserCtrlTip" is not "0").
bool StopTipEnabled();
