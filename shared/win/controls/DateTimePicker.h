#pragma once

#include "../Control.h"

#include <commctrl.h>

class DateTimePicker : public Control {
 public:
  bool Time(SYSTEMTIME& time) const { return Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) == GDT_VALID; }
  void SetTime(const SYSTEMTIME& time) const { Send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)); }
  void SetFormat(const wchar_t* format) const { Send(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format)); }
};
