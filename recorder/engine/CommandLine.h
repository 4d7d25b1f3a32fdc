// The recorder's command line: "[<options>]record path" plays one record and ends.
// Options (case-insensitive, separated by spaces or tabs): "noquit" stays open after
// the playback; "r N" repeats N times; "rtms N", "rts N", "rtm N", "rth N" repeat for
// N ms, seconds, minutes or hours; "d H:M:S" waits between passes; "s N" sets the speed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct RunRequest {
  bool valid = true;           // false: "<" without its ">"
  std::wstring recordPath;     // trimmed of spaces and tabs, quotes kept
  bool stay = false;           // "noquit"
  // The repeat mode that the last repeat option chose, with the values each one set.
  enum class Repeat { Unchanged, Times, ForTime } repeat = Repeat::Unchanged;
  std::optional<int> times;
  std::optional<int> time;
  int timeUnit = 2;            // index of ms, second, minute, hour
  std::optional<int> delayHours, delayMinutes, delaySeconds;  // all three or none
  std::optional<int> speed;
};

// An empty text is an interactive start; callers check for it first.
RunRequest ParseCommandLine(std::wstring_view text);
