#pragma once

#include "../Control.h"

class Edit : public Control {
 public:
  void SetLimit(int characters) const { Send(EM_SETLIMITTEXT, characters); }
  void SelectAll() const { Send(EM_SETSEL, 0, -1); }
};
