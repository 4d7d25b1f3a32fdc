// The hotkey input control: a virtual-key code with HOTKEYF_* modifier flags.
#pragma once

#include "../Control.h"

#include <commctrl.h>

class HotKeyCtrl : public Control {
 public:
  void SetHotKey(WORD virtualKey, WORD modifiers) const { Send(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
  WORD VirtualKey() const { return LOBYTE(LOWORD(Send(HKM_GETHOTKEY))); }
  WORD Modifiers() const { return HIBYTE(LOWORD(Send(HKM_GETHOTKEY))); }
};
