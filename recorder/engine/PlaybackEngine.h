// Plays a record's events: once, N times or for a time, at a speed, with a pause
// between passes. It stops within one 50 ms slice when asked to, or when the user
// moves the mouse, and never leaves a button or key down.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MacroRecord.h"
#include "PlaybackHost.h"
#include "PlaybackOptions.h"
#include "PlaybackState.h"

// The length of a record: the sum of its gaps.
uint64_t RecordedLengthMs(const std::vector<MacroEvent>& events);

struct PlaybackSettings {
  bool checkUserMoves = true;   // stop when the user moves the mouse
  bool absoluteMoves = false;   // moves as absolute mouse events instead of setting the cursor
  ScreenInfo screen;
  std::wstring pauseHotkeyText;  // for "Paused, Press %s to Continue"
};

class PlaybackEngine {
 public:
  PlaybackEngine(PlaybackHost& host, ProgressView& view, PlaybackState& state, PlaybackSettings settings);

  // Everything from the 300 ms start-up wait to the end of the last pass.
  void Run(const std::vector<MacroEvent>& events, const PlaybackOptions& options);

 private:
  struct Pressed {
    bool key;
    uint8_t code;           // the virtual key of a key
    uint32_t releaseFlags;  // mouse: the up flag; key: up and extended flags
  };

  void PlayPass(const std::vector<MacroEvent>& events, int speedPosition);
  bool PlayEvent(const MacroEvent& event);
  void PlaceCursor(int x, int y);
  void PressButton(uint32_t downFlag, uint32_t upFlag);
  void ReleaseButton(uint32_t upFlag);
  void PressKey(uint8_t virtualKey, bool up);
  void ReleaseEverything();
  void DelayBetweenPasses(const PlaybackOptions& options);
  void WaitSliced(uint64_t ms);
  void SleepSlice(uint64_t ms);
  void CheckInterference();
  void TakeCursorAsLast();
  int Coordinate(uint16_t value, bool negativeAllowed) const;

  PlaybackHost& host_;
  ProgressView& view_;
  PlaybackState& state_;
  PlaybackSettings settings_;
  Point lastCursor_;
  std::optional<Point> placedCursor_;  // where the current event put the cursor
  int64_t graceStartMicros_ = 0;
  // Where the schedule of sleeps stands: sleeps end at planned moments rather than
  // after planned lengths, so that time spent injecting and pumping does not add up.
  int64_t scheduleMicros_ = 0;
  std::vector<Pressed> pressed_;
};
