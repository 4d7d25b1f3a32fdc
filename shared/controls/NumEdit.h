// An edit field that holds one number with a range, a step and the decimals it shows.
// Which characters can be typed is left to the edit's style (ES_NUMBER for digits
// only); the number is checked when it is read or stepped.
#pragma once

#include <string>

#include "../portable/NumericField.h"
#include "../win/controls/Edit.h"

class CNumEdit : public Edit {
 public:
  // Moves the number by steps deltas, held in the range; a text without a leading
  // number counts as 0.
  void StepBy(int steps);

  float GetDelta() const { return field_.delta; }
  void SetDelta(float delta) { field_.delta = delta; }
  void GetRange(float& minimum, float& maximum) const;
  // The current text is left as it is.
  void SetRange(float minimum, float maximum);
  bool GetShowErrors() const { return showErrors_; }
  // Whether IsValid tells the user about a bad text in a message box.
  void SetShowErrors(bool show) { showErrors_ = show; }

  NumberCheck IsValid(const std::wstring& text) const;
  NumberCheck IsValid() const { return IsValid(Text()); }
  // Shows value with all of it selected; false, with the text untouched, when value is
  // outside the range.
  bool SetValue(float value);
  // The number shown, or the minimum when the text is not valid.
  float GetValue() const;

 private:
  NumericField field_;
  bool showErrors_ = false;
};
