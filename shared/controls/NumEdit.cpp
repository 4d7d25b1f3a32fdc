#include "NumEdit.h"

#include "../win/MessageBox.h"

void CNumEdit::StepBy(int steps) { SetValue(field_.Stepped(Text(), steps)); }

void CNumEdit::GetRange(float& minimum, float& maximum) const {
  minimum = field_.minimum;
  maximum = field_.maximum;
}

void CNumEdit::SetRange(float minimum, float maximum) {
  field_.minimum = minimum;
  field_.maximum = maximum;
}

NumberCheck CNumEdit::IsValid(const std::wstring& text) const {
  const NumberCheck check = field_.Check(text);
  if (const wchar_t* message = NumberCheckMessage(check); showErrors_ && message) {
    ShowMessage(hwnd_, message, MB_ICONERROR);
  }
  return check;
}

bool CNumEdit::SetValue(float value) {
  const std::optional<std::wstring> text = field_.Format(value);
  if (!text) return false;
  SetText(*text);
  SelectAll();
  Send(EM_SCROLLCARET);
  return true;
}

float CNumEdit::GetValue() const {
  const std::wstring text = Text();
  return IsValid(text) == NumberCheck::Valid ? field_.ValueOf(text) : field_.minimum;
}
