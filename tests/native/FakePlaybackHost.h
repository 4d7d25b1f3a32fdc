// A playback host on a fake clock: sleeping moves time forward, injected input is
// logged with the moment it happened, and scripted actions (a hotkey, the user moving
// the mouse) run when the engine pumps messages at or after their moment.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../../recorder/engine/PlaybackEngine.h"

struct Injected {
  int64_t atMs;
  bool key;
  uint32_t flags;
  int a;  // mouse: x; key: virtual key
  int b;  // mouse: y; key: scan code
  int wheel;
};

class FakePlaybackHost : public PlaybackHost, public ProgressView {
 public:
  int64_t nowMicros = 0;
  int64_t calendarBase = 1'700'000'000;
  Point cursor{500, 500};
  bool cursorReadable = true;
  bool cursorReadLags = false;  // for 5 ms after a set, reads still give the old position
  int64_t injectionCostMicros = 0;  // time each injected event takes
  std::vector<Injected> log;
  std::vector<Point> cursorSets;
  std::vector<std::wstring> statuses;
  std::vector<uint64_t> progress;
  uint32_t randomValue = 0;

  // Runs action once, at the first pump at or after atMs.
  void At(int64_t atMs, std::function<void()> action) { script_.push_back({atMs * 1000, std::move(action)}); }
  int64_t NowMs() const { return nowMicros / 1000; }

  void InjectMouse(uint32_t flags, int x, int y, int wheelData) override {
    log.push_back({NowMs(), false, flags, x, y, wheelData});
    nowMicros += injectionCostMicros;
  }
  void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags) override {
    log.push_back({NowMs(), true, flags, vk, scan, 0});
    nowMicros += injectionCostMicros;
  }
  uint8_t ScanCode(uint8_t vk) override { return static_cast<uint8_t>(vk + 100); }
  bool CursorPos(Point& position) override {
    position = staleCursor_ && nowMicros < staleUntil_ ? *staleCursor_ : cursor;
    return cursorReadable;
  }
  void SetCursorPos(int x, int y) override {
    if (cursorReadLags) {
      staleCursor_ = cursor;
      staleUntil_ = nowMicros + 5000;
    }
    cursor = {x, y};
    cursorSets.push_back(cursor);
  }
  int64_t NowMicros() override { return nowMicros; }
  void SleepUntil(int64_t micros) override {
    if (micros > nowMicros) nowMicros = micros;
  }
  int64_t CalendarSeconds() override { return calendarBase + nowMicros / 1'000'000; }
  void LocalTimeOfDay(int64_t seconds, int& hour, int& minute, int& second) override {
    hour = static_cast<int>(seconds / 3600 % 24);
    minute = static_cast<int>(seconds / 60 % 60);
    second = static_cast<int>(seconds % 60);
  }
  uint32_t Random() override { return randomValue; }
  void PumpMessages() override {
    for (auto& step : script_) {
      if (step.action && nowMicros >= step.atMicros) std::exchange(step.action, nullptr)();
    }
  }

  void SetProgress(uint64_t positionMs) override { progress.push_back(positionMs); }
  void SetStatus(const std::wstring& text) override { statuses.push_back(text); }
  std::wstring Status() override { return statuses.empty() ? std::wstring() : statuses.back(); }

  // Moments of the logged events that match.
  std::vector<int64_t> TimesOf(bool key, uint32_t flags) const {
    std::vector<int64_t> times;
    for (const Injected& i : log) {
      if (i.key == key && i.flags == flags) times.push_back(i.atMs);
    }
    return times;
  }

 private:
  struct Step {
    int64_t atMicros;
    std::function<void()> action;
  };
  std::vector<Step> script_;
  std::optional<Point> staleCursor_;
  int64_t staleUntil_ = 0;
};
