#include "MoveAway.h"

std::optional<Point> MoveAway::Tick(bool pointerInside, const Rect& window, const Rect& workArea) {
  if (!pointerInside) {
    count_ = 0;
    return std::nullopt;
  }
  if (count_++ < 2) return std::nullopt;
  count_ = 0;
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (window.left != 0) return Point{0, workArea.bottom - height};
  return BottomRight(workArea, width, height);
}

Point BottomRight(const Rect& workArea, int width, int height) {
  return {workArea.right - width, workArea.bottom - height};
}
