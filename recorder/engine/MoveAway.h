// The small status windows step out of the pointer's way: when the pointer has rested
// on one for three one-second ticks in a row, it moves to the other bottom corner.
#pragma once

#include <optional>

#include "PlaybackHost.h"

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class MoveAway {
 public:
  // One tick. Returns the window's new top-left corner when it has to move.
  std::optional<Point> Tick(bool pointerInside, const Rect& window, const Rect& workArea);

 private:
  int count_ = 0;
};

// The top-left corner that puts a window of that size at the work area's bottom right.
Point BottomRight(const Rect& workArea, int width, int height);
