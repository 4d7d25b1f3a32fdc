// Push buttons, check boxes and radio buttons.
#pragma once

#include "../Control.h"

class Button : public Control {
 public:
  bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};
