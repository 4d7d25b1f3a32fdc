// Trackbars.
#pragma once

#include "../Control.h"

#include <commctrl.h>

class Slider : public Control {
 public:
  void SetRange(int low, int high) const { Send(TBM_SETRANGE, TRUE, MAKELPARAM(low, high)); }
  int Position() const { return static_cast<int>(Send(TBM_GETPOS)); }
  void SetPosition(int position) const { Send(TBM_SETPOS, TRUE, position); }
};
