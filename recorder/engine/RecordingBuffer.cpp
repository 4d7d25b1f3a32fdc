#include "RecordingBuffer.h"

namespace {

// Window messages as the hooks report them.
constexpr uint32_t kMouseMove = 0x0200, kLeftDown = 0x0201, kLeftUp = 0x0202, kRightDown = 0x0204,
                   kRightUp = 0x0205, kMiddleDown = 0x0207, kMiddleUp = 0x0208, kMouseWheel = 0x020A;
constexpr uint32_t kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;

MacroEvent Make(EventKind kind, uint32_t x, uint32_t y, int16_t wheel = 0) {
  return {static_cast<uint16_t>(kind), static_cast<uint16_t>(x), static_cast<uint16_t>(y), wheel, 0};
}

}  // namespace

void RecordingBuffer::Start(size_t expectedEvents, int32_t pointerX, int32_t pointerY) {
  events_.clear();
  events_.reserve(expectedEvents);
  startX_ = static_cast<uint16_t>(pointerX);
  startY_ = static_cast<uint16_t>(pointerY);
  userInput_ = false;
}

void RecordingBuffer::Append(MacroEvent event, uint32_t tick) {
  event.delayAfterMs = 0;
  if (!events_.empty()) events_.back().delayAfterMs = tick - lastTick_;
  lastTick_ = tick;
  if (event.kind != static_cast<uint16_t>(EventKind::MouseMove) || event.x != startX_ || event.y != startY_) {
    userInput_ = true;
  }
  events_.push_back(event);
}

std::optional<MacroEvent> MouseEventFor(uint32_t message, int32_t x, int32_t y, uint32_t mouseData) {
  const auto ux = static_cast<uint32_t>(x), uy = static_cast<uint32_t>(y);
  switch (message) {
    case kMouseMove:
      return Make(EventKind::MouseMove, ux, uy);
    case kLeftDown:
      return Make(EventKind::LeftDown, ux, uy);
    case kLeftUp:
      return Make(EventKind::LeftUp, ux, uy);
    case kMiddleDown:
      return Make(EventKind::MiddleDown, ux, uy);
    case kMiddleUp:
      return Make(EventKind::MiddleUp, ux, uy);
    case kRightDown:
      return Make(EventKind::RightDown, ux, uy);
    case kRightUp:
      return Make(EventKind::RightUp, ux, uy);
    case kMouseWheel:
      return Make(EventKind::Wheel, ux, uy, static_cast<int16_t>(mouseData >> 16));
    default:
      return std::nullopt;
  }
}

std::optional<MacroEvent> KeyEventFor(uint32_t message, uint32_t virtualKey) {
  switch (message) {
    case kKeyDown:
    case kSysKeyDown:
      return Make(EventKind::KeyDown, virtualKey & 0xFFFF, virtualKey >> 16);
    case kKeyUp:
    case kSysKeyUp:
      return Make(EventKind::KeyUp, virtualKey & 0xFFFF, virtualKey >> 16);
    default:
      return std::nullopt;
  }
}
