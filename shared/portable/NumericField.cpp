#include "NumericField.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "TextFormat.h"
#include "TextScan.h"

namespace {

// Values beyond the float range become infinite, which every range refuses.
float ToFloat(double value) {
  if (value > FLT_MAX) return HUGE_VALF;
  if (value < -FLT_MAX) return -HUGE_VALF;
  return static_cast<float>(value);
}

// Digits after the point that "%G" shows for value, counted in fixed-point form so
// that an exponent moves them: "1.5E+06" needs none, "1.5E-05" needs six.
int DecimalsShown(float value) {
  const std::wstring text = FormatText(L"%G", static_cast<double>(value));
  const size_t exponent = std::min(text.find(L'E'), text.size());
  const size_t point = text.find(L'.');
  const int fraction = point < exponent ? static_cast<int>(exponent - point - 1) : 0;
  const int power = exponent < text.size() ? ScanInt(std::wstring_view(text).substr(exponent + 1)).value_or(0) : 0;
  return std::max(0, fraction - power);
}

}  // namespace

const wchar_t* NumberCheckMessage(NumberCheck check) {
  switch (check) {
    case NumberCheck::OutOfRange:
      return L"Given value is out of range.\n";
    case NumberCheck::NotANumber:
      return L"Characters must be a number.\n";
    default:
      return nullptr;
  }
}

NumberCheck NumericField::Check(std::wstring_view text) const {
  if (text == L"+" || text == L"-") return NumberCheck::LoneSign;
  const std::optional<double> number = ScanWholeDouble(text);
  if (!number) return NumberCheck::NotANumber;
  const float value = ToFloat(*number);
  return value > maximum || value < minimum ? NumberCheck::OutOfRange : NumberCheck::Valid;
}

float NumericField::ValueOf(std::wstring_view text) const {
  if (Check(text) != NumberCheck::Valid) return minimum;
  return ToFloat(*ScanWholeDouble(text));
}

std::optional<std::wstring> NumericField::Format(float value) {
  // Written so that NaN is refused as well.
  if (!(value >= minimum && value <= maximum)) return std::nullopt;
  return FormatText(BuildFormat(value).c_str(), static_cast<double>(value));
}

std::wstring NumericField::BuildFormat(float value) {
  decimals = static_cast<uint8_t>(std::max<int>(decimals, DecimalsShown(value)));
  return FormatText(L"%%.%df", decimals);
}

float NumericField::Stepped(std::wstring_view text, int steps) const {
  const float sum = ToFloat(ScanDouble(text).value_or(0.0)) + delta * static_cast<float>(steps);
  if (sum > maximum) return maximum;
  if (sum < minimum) return minimum;
  return sum;
}

bool SpinNeedsRecentring(int position, int delta) {
  const long long reach = std::llabs(static_cast<long long>(delta));
  return position <= kSpinLowest + reach || position >= kSpinHighest - reach;
}
