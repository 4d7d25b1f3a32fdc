// The events of a recording as they are captured. Each gap is measured when the next
// event arrives: it is written into the previous event, and the last event keeps 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "MacroRecord.h"

class RecordingBuffer {
 public:
  // Empties the buffer and keeps room for this many events, so that capturing does not
  // allocate until a long recording outgrows it. pointerX and pointerY: where the
  // pointer is as the recording begins.
  void Start(size_t expectedEvents, int32_t pointerX, int32_t pointerY);
  // tick: the millisecond tick count when the event was captured.
  void Append(MacroEvent event, uint32_t tick);

  bool Empty() const { return events_.empty(); }
  // Whether the user did anything: more than mouse moves to where the pointer was at the
  // start, which some systems report when windows appear or vanish under the pointer.
  bool HasUserInput() const { return userInput_; }
  const std::vector<MacroEvent>& Events() const { return events_; }

 private:
  std::vector<MacroEvent> events_;
  uint32_t lastTick_ = 0;
  uint16_t startX_ = 0, startY_ = 0;
  bool userInput_ = false;
};

// The event that a low-level mouse hook message stands for, or nothing for messages
// that are not recorded (double clicks, extra buttons, the horizontal wheel).
// mouseData is the hook's, whose high word is the wheel rotation.
std::optional<MacroEvent> MouseEventFor(uint32_t message, int32_t x, int32_t y, uint32_t mouseData);

// The event of a low-level keyboard hook message: the 32-bit key code is kept across
// x (low half) and y (high half).
std::optional<MacroEvent> KeyEventFor(uint32_t message, uint32_t virtualKey);
