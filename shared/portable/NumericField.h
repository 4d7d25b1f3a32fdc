// A number field's value rules: the range, the step and the digits shown after the
// point, and how its text is checked, read, stepped and written.
#pragma once

#include <cfloat>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class NumberCheck { Valid = 0, OutOfRange = 1, NotANumber = 2, LoneSign = 3 };

// The message for a bad text, or null for a valid text or one still being typed.
const wchar_t* NumberCheckMessage(NumberCheck check);

struct NumericField {
  // Only grows, so that a field once showing decimals keeps its width.
  uint8_t decimals = 0;
  float delta = 1.0f;
  float minimum = -FLT_MAX;
  float maximum = FLT_MAX;

  // A lone sign counts as a number being typed. A number may be followed by white
  // space only.
  NumberCheck Check(std::wstring_view text) const;
  // The text's number, or the minimum when the text is not valid.
  float ValueOf(std::wstring_view text) const;
  // The text for value, or none when it is outside the range.
  std::optional<std::wstring> Format(float value);
  // The fixed-point format for value: as many decimals as value shows with six
  // significant digits, and never fewer than before.
  std::wstring BuildFormat(float value);
  // The text's leading number (0 without one) moved by steps deltas and held in the range.
  float Stepped(std::wstring_view text, int steps) const;
};

// The up-down control beside a field only reports steps. Its own position lives in
// 0..1000 and goes back to the middle before it can reach an end, where it would stop.
inline constexpr int kSpinLowest = 0;
inline constexpr int kSpinHighest = 1000;
inline constexpr int kSpinMiddle = 500;

// Whether a step of delta from position comes too close to an end.
bool SpinNeedsRecentring(int position, int delta);
