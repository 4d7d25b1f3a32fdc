#include "NumSpinCtrl.h"

CNumEdit* CNumSpinCtrl::NumBuddy() const { return dynamic_cast<CNumEdit*>(Control::FromHandle(GetBuddy())); }

void CNumSpinCtrl::OnSubclassed() {
  // Set here rather than left to SetRange, so that the arrows step the right way
  // (the system's default range runs downwards) from the start.
  Send(UDM_SETRANGE32, kSpinLowest, kSpinHighest);
  Recentre();
}

void CNumSpinCtrl::Recentre() const { Send(UDM_SETPOS32, 0, kSpinMiddle); }

void CNumSpinCtrl::SetDelta(float delta) {
  if (CNumEdit* edit = NumBuddy()) edit->SetDelta(delta);
}

float CNumSpinCtrl::GetDelta() const {
  const CNumEdit* edit = NumBuddy();
  return edit ? edit->GetDelta() : 0.0f;
}

void CNumSpinCtrl::SetBuddy(HWND buddy) {
  UpDown::SetBuddy(buddy);
  if (CNumEdit* edit = NumBuddy()) edit->SetValue(0.0f);
}

void CNumSpinCtrl::GetRange(float& minimum, float& maximum) const {
  minimum = maximum = 0.0f;
  if (const CNumEdit* edit = NumBuddy()) edit->GetRange(minimum, maximum);
}

void CNumSpinCtrl::SetRange(float minimum, float maximum) {
  if (CNumEdit* edit = NumBuddy()) edit->SetRange(minimum, maximum);
}

float CNumSpinCtrl::GetPos() const {
  const CNumEdit* edit = NumBuddy();
  return edit ? edit->GetValue() : 0.0f;
}

void CNumSpinCtrl::SetPos(float value) {
  Recentre();
  if (CNumEdit* edit = NumBuddy()) edit->SetValue(value);
}

bool CNumSpinCtrl::OnReflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lp)->code != UDN_DELTAPOS) return false;
  const auto& change = *reinterpret_cast<const NMUPDOWN*>(lp);
  // Moved by message: the control goes on from its own position, not from the
  // notification's.
  if (SpinNeedsRecentring(change.iPos, change.iDelta)) Recentre();
  if (CNumEdit* edit = NumBuddy()) edit->StepBy(change.iDelta);
  result = 0;
  return true;
}
