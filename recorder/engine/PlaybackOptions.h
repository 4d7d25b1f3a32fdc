// What a playback is asked to do: how often, how fast, with which pause between passes.
#pragma once

#include <cstdint>
#include <string>

enum class RepeatMode { Once, Times, ForTime };

struct PlaybackOptions {
  RepeatMode mode = RepeatMode::Once;
  int64_t count = 1;          // passes; not used for ForTime, which is unlimited
  int64_t durationMs = 0;     // ForTime only
  int64_t delaySeconds = 0;   // between two passes
  bool randomDelay = false;   // a random part of the delay, from 0 to just below it
  int speedPosition = 5;      // 0 slowest, 5 recorded speed, 10 fastest
};

// What the main window's repeat controls hold.
struct RepeatControls {
  bool once = false;        // "Repeat once" checked
  bool times = false;       // "Repeat N times" checked
  bool forTime = false;     // "Repeat for T" checked
  std::wstring timesText;   // N
  std::wstring timeText;    // T
  int timeUnit = 2;         // index in the unit list
  bool delay = false;       // "Set delay time between two repeat" checked
  std::wstring delayHours, delayMinutes, delaySeconds;
  bool randomDelay = false;
  int speedPosition = 5;
  bool shutdown = false;    // "Shutdown the computer when repeating finished" checked
};

PlaybackOptions ReadPlaybackOptions(const RepeatControls& controls);

// A recorded gap scaled by the speed: positions above 5 divide it by 2..6, positions
// below 5 multiply it by 2..6. Exact, with the fraction dropped.
uint64_t ScaleGap(uint32_t gapMs, int speedPosition);
