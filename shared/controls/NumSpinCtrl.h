// Spin buttons that step their buddy CNumEdit by its delta instead of keeping a
// position of their own; the range, delta and position calls go to the buddy. With a
// buddy of any other kind they do nothing (or return 0). The buddy must be subclassed
// as a CNumEdit, and the parent must reflect notifications (Dialog does).
#pragma once

#include "../win/controls/UpDown.h"
#include "NumEdit.h"

class CNumSpinCtrl : public UpDown {
 public:
  void SetDelta(float delta);
  float GetDelta() const;
  // Also shows 0 in a CNumEdit buddy. Null takes the buddy away.
  void SetBuddy(HWND buddy);
  HWND GetBuddy() const { return reinterpret_cast<HWND>(Send(UDM_GETBUDDY)); }
  void GetRange(float& minimum, float& maximum) const;
  void SetRange(float minimum, float maximum);
  // The buddy's value.
  float GetPos() const;
  void SetPos(float value);

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void OnSubclassed() override;

 private:
  CNumEdit* NumBuddy() const;
  void Recentre() const;
};
