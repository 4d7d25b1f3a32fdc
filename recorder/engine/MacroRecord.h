// A record: recorded mouse and keyboard events with the gaps between them, and a
// description. MacroEvent has the same 12-byte layout in memory and in record files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class EventKind : uint16_t {
  MouseMove = 0,
  LeftDown = 1,
  LeftUp = 2,
  MiddleDown = 3,
  MiddleUp = 4,
  RightDown = 5,
  RightUp = 6,
  Wheel = 7,
  KeyDown = 8,
  KeyUp = 9,
};

struct MacroEvent {
  uint16_t kind;          // an EventKind; other values are skipped by playback
  uint16_t x;             // mouse: low 16 bits of the screen x; keys: the virtual-key code
  uint16_t y;             // mouse: low 16 bits of the screen y; keys: 0
  int16_t wheelDelta;     // Wheel: the signed rotation; 0 otherwise
  uint32_t delayAfterMs;  // gap to the next event; 0 for the last one

  bool operator==(const MacroEvent&) const = default;
};
static_assert(sizeof(MacroEvent) == 12, "MacroEvent is stored byte for byte");

struct MacroRecord {
  std::wstring description;
  std::vector<MacroEvent> events;
};
