#include "PlaybackOptions.h"

#include "../../shared/portable/DurationUnit.h"
#include "../../shared/portable/TextScan.h"

namespace {

int64_t FieldOr(const std::wstring& text, int fallback) { return ScanInt(text).value_or(fallback); }

}  // namespace

PlaybackOptions ReadPlaybackOptions(const RepeatControls& c) {
  PlaybackOptions options;
  if (c.times) {
    options.mode = RepeatMode::Times;
    options.count = FieldOr(c.timesText, 1);
  } else if (c.forTime) {
    options.mode = RepeatMode::ForTime;
    options.durationMs = FieldOr(c.timeText, 1) * DurationUnitMs(c.timeUnit);
  }
  if (c.delay) {
    options.delaySeconds =
        3600 * FieldOr(c.delayHours, 0) + 60 * FieldOr(c.delayMinutes, 0) + FieldOr(c.delaySeconds, 0);
    options.randomDelay = c.randomDelay;
  }
  options.speedPosition = c.speedPosition;
  return options;
}

uint64_t ScaleGap(uint32_t gapMs, int speedPosition) {
  if (speedPosition > 5) return gapMs / static_cast<uint32_t>(speedPosition - 4);
  if (speedPosition < 5) return static_cast<uint64_t>(gapMs) * static_cast<uint32_t>(6 - speedPosition);
  return gapMs;
}
