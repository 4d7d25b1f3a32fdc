#include "PlaybackEngine.h"

#include <algorithm>
#include <string>

#include "../../shared/portable/TextFormat.h"

namespace {

constexpr int64_t kSliceMs = 50;
constexpr int64_t kGraceMicros = 300'000;
// A schedule that has fallen further behind than this (the machine stalled) starts
// afresh instead of rushing through the following waits to catch up.
constexpr int64_t kMaxLagMicros = 50'000;
constexpr int kMoveTolerance = 5;  // pixels in any direction, as a squared distance
constexpr uint8_t kShift = 16, kControl = 17, kAlt = 18;

bool IsExtendedKey(uint8_t vk) {
  return (vk >= 33 && vk <= 40) || vk == 45 || vk == 46 || (vk >= 91 && vk <= 93) || vk == 95 || vk == 111 ||
         vk == 163 || (vk >= 165 && vk <= 183);
}

}  // namespace

uint64_t RecordedLengthMs(const std::vector<MacroEvent>& events) {
  uint64_t total = 0;
  for (const MacroEvent& e : events) total += e.delayAfterMs;
  return total;
}

PlaybackEngine::PlaybackEngine(PlaybackHost& host, ProgressView& view, PlaybackState& state,
                               PlaybackSettings settings)
    : host_(host), view_(view), state_(state), settings_(std::move(settings)) {
  pressed_.reserve(32);
}

void PlaybackEngine::Run(const std::vector<MacroEvent>& events, const PlaybackOptions& options) {
  const bool forTime = options.mode == RepeatMode::ForTime;
  const int64_t count = forTime ? 0 : options.count;
  const int64_t start = host_.CalendarSeconds();
  const int64_t end = start + options.durationMs / 1000;
  int hour = 0, minute = 0, second = 0;
  host_.LocalTimeOfDay(start, hour, minute, second);

  scheduleMicros_ = host_.NowMicros();
  for (int i = 0; i < 6; ++i) {
    host_.PumpMessages();
    SleepSlice(kSliceMs);
  }
  state_.stoppedByUser = false;
  state_.userMovedMouse = false;
  graceStartMicros_ = host_.NowMicros();

  if (!forTime && count <= 0) return;
  for (int64_t pass = 1;; ++pass) {
    if (state_.stopRequested) break;
    view_.SetProgress(0);
    const std::wstring current = std::to_wstring(pass);
    view_.SetStatus(forTime ? FormatText(L"Started at %02d:%02d:%02d, current %ls", hour, minute, second,
                                         current.c_str())
                            : FormatText(L"Repeat %ls times, current %ls", std::to_wstring(count).c_str(),
                                         current.c_str()));
    PlayPass(events, options.speedPosition);
    if (forTime ? host_.CalendarSeconds() >= end : pass + 1 > count) break;
    view_.SetProgress(RecordedLengthMs(events));
    view_.SetStatus(L"Delaying until next repeat");
    DelayBetweenPasses(options);
  }
}

void PlaybackEngine::PlayPass(const std::vector<MacroEvent>& events, int speedPosition) {
  uint64_t progress = 0;
  for (const MacroEvent& event : events) {
    if (state_.stopRequested) break;
    placedCursor_.reset();
    if (!PlayEvent(event)) continue;
    // Where the event put the cursor is known; reading it back right after setting it
    // may still give the old position on some systems, which would look like the user
    // moving the mouse.
    if (settings_.checkUserMoves) {
      if (placedCursor_) {
        lastCursor_ = *placedCursor_;
      } else {
        TakeCursorAsLast();
      }
    }
    WaitSliced(ScaleGap(event.delayAfterMs, speedPosition));
    progress += event.delayAfterMs;
    view_.SetProgress(progress);
    host_.PumpMessages();
  }
  ReleaseEverything();
}

bool PlaybackEngine::PlayEvent(const MacroEvent& event) {
  const int x = Coordinate(event.x, settings_.screen.negativeX);
  const int y = Coordinate(event.y, settings_.screen.negativeY);
  const bool swapped = settings_.screen.swappedButtons;
  const uint32_t leftDown = swapped ? kMouseRightDown : kMouseLeftDown;
  const uint32_t leftUp = swapped ? kMouseRightUp : kMouseLeftUp;
  const uint32_t rightDown = swapped ? kMouseLeftDown : kMouseRightDown;
  const uint32_t rightUp = swapped ? kMouseLeftUp : kMouseRightUp;

  switch (static_cast<EventKind>(event.kind)) {
    case EventKind::MouseMove: {
      const ScreenInfo& screen = settings_.screen;
      if (settings_.absoluteMoves && x >= 0 && y >= 0 && screen.width > 0 && screen.height > 0) {
        host_.InjectMouse(kMouseMove | kMouseAbsolute, static_cast<int>(int64_t{x} * 65536 / screen.width),
                          static_cast<int>(int64_t{y} * 65536 / screen.height), 0);
      } else {
        PlaceCursor(x, y);
      }
      return true;
    }
    case EventKind::LeftDown:
      PlaceCursor(x, y);
      PressButton(leftDown, leftUp);
      return true;
    case EventKind::LeftUp:
      PlaceCursor(x, y);
      ReleaseButton(leftUp);
      return true;
    case EventKind::RightDown:
      PlaceCursor(x, y);
      PressButton(rightDown, rightUp);
      return true;
    case EventKind::RightUp:
      PlaceCursor(x, y);
      ReleaseButton(rightUp);
      return true;
    case EventKind::MiddleDown:
      PlaceCursor(x, y);
      PressButton(kMouseMiddleDown, kMouseMiddleUp);
      return true;
    case EventKind::MiddleUp:
      PlaceCursor(x, y);
      ReleaseButton(kMouseMiddleUp);
      return true;
    case EventKind::Wheel:
      PlaceCursor(x, y);
      host_.InjectMouse(kMouseWheel, x, y, event.wheelDelta);
      return true;
    case EventKind::KeyDown:
    case EventKind::KeyUp:
      PressKey(static_cast<uint8_t>(event.x & 0xFF), static_cast<EventKind>(event.kind) == EventKind::KeyUp);
      return true;
  }
  return false;
}

void PlaybackEngine::PlaceCursor(int x, int y) {
  host_.SetCursorPos(x, y);
  placedCursor_ = Point{x, y};
}

void PlaybackEngine::PressButton(uint32_t downFlag, uint32_t upFlag) {
  host_.InjectMouse(downFlag, 0, 0, 0);
  const auto held = [&](const Pressed& p) { return !p.key && p.releaseFlags == upFlag; };
  if (std::none_of(pressed_.begin(), pressed_.end(), held)) pressed_.push_back({false, 0, upFlag});
}

void PlaybackEngine::ReleaseButton(uint32_t upFlag) {
  host_.InjectMouse(upFlag, 0, 0, 0);
  std::erase_if(pressed_, [&](const Pressed& p) { return !p.key && p.releaseFlags == upFlag; });
}

void PlaybackEngine::PressKey(uint8_t virtualKey, bool up) {
  const uint32_t extended = IsExtendedKey(virtualKey) ? kKeyExtended : 0;
  host_.InjectKey(virtualKey, host_.ScanCode(virtualKey), extended | (up ? kKeyUp : 0));
  const auto same = [&](const Pressed& p) { return p.key && p.code == virtualKey; };
  if (up) {
    std::erase_if(pressed_, same);
  } else if (std::none_of(pressed_.begin(), pressed_.end(), same)) {
    pressed_.push_back({true, virtualKey, extended | kKeyUp});
  }
}

// After every pass, finished or cut short: what the pass pressed and did not release
// goes up, last pressed first; then Shift, Ctrl and Alt, in case the record's own
// releases were lost.
void PlaybackEngine::ReleaseEverything() {
  for (auto it = pressed_.rbegin(); it != pressed_.rend(); ++it) {
    if (it->key) {
      host_.InjectKey(it->code, host_.ScanCode(it->code), it->releaseFlags);
    } else {
      host_.InjectMouse(it->releaseFlags, 0, 0, 0);
    }
  }
  pressed_.clear();
  for (uint8_t modifier : {kShift, kControl, kAlt}) host_.InjectKey(modifier, host_.ScanCode(modifier), kKeyUp);
}

void PlaybackEngine::DelayBetweenPasses(const PlaybackOptions& options) {
  int64_t seconds = options.delaySeconds;
  if (options.randomDelay) {
    seconds = static_cast<int64_t>((host_.Random() % 10000) / 10000.0 * static_cast<double>(options.delaySeconds));
  }
  for (int64_t s = 0; s < seconds && !state_.stopRequested; ++s) {
    if (settings_.checkUserMoves) TakeCursorAsLast();
    for (int round = 0; round < 20 && !state_.stopRequested; ++round) {
      host_.PumpMessages();
      SleepSlice(kSliceMs);
      CheckInterference();
    }
  }
}

void PlaybackEngine::WaitSliced(uint64_t ms) {
  const uint64_t slice = std::min<uint64_t>(ms, kSliceMs);
  for (uint64_t waited = 0; waited < ms && !state_.stopRequested; waited += slice) {
    host_.PumpMessages();
    SleepSlice(slice);
    CheckInterference();
  }
}

void PlaybackEngine::SleepSlice(uint64_t ms) {
  const int64_t now = host_.NowMicros();
  scheduleMicros_ += static_cast<int64_t>(ms) * 1000;
  if (scheduleMicros_ < now - kMaxLagMicros) scheduleMicros_ = now;
  host_.SleepUntil(scheduleMicros_);
}

void PlaybackEngine::CheckInterference() {
  if (host_.NowMicros() - graceStartMicros_ < kGraceMicros) return;
  Point now;
  const bool known = host_.CursorPos(now);
  if (known && settings_.checkUserMoves) {
    const int dx = now.x - lastCursor_.x, dy = now.y - lastCursor_.y;
    if (dx * dx + dy * dy > kMoveTolerance * kMoveTolerance) {
      state_.userMovedMouse = state_.stoppedByUser = state_.stopRequested = true;
      return;
    }
  }
  if (state_.stopRequested || !state_.paused) return;

  const std::wstring kept = view_.Status();
  view_.SetStatus(FormatText(L"Paused, Press %ls to Continue", settings_.pauseHotkeyText.c_str()));
  while (state_.paused && !state_.stopRequested) {
    host_.PumpMessages();
    host_.SleepUntil(host_.NowMicros() + kSliceMs * 1000);
  }
  scheduleMicros_ = host_.NowMicros();  // the pause is not made up for
  if (state_.stopRequested) return;
  view_.SetStatus(kept);
  if (known) host_.SetCursorPos(now.x, now.y);
}

void PlaybackEngine::TakeCursorAsLast() {
  Point now;
  if (host_.CursorPos(now)) lastCursor_ = now;
}

// Coordinates keep 16 bits. Where screens lie left of or above the primary one, a
// value that is negative as a signed 16-bit number is such a position.
int PlaybackEngine::Coordinate(uint16_t value, bool negativeAllowed) const {
  return negativeAllowed ? static_cast<int16_t>(value) : value;
}
