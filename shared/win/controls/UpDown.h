// Spin buttons beside a number field.
#pragma once

#include "../Control.h"

#include <commctrl.h>

class UpDown : public Control {
 public:
  void SetRange(int low, int high) const { Send(UDM_SETRANGE32, low, high); }
  void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
};
