#pragma once

#include "../Control.h"

#include <commctrl.h>

class ProgressBar : public Control {
 public:
  void SetRange(int low, int high) const { Send(PBM_SETRANGE32, low, high); }
  void SetPosition(int position) const { Send(PBM_SETPOS, position); }
};
