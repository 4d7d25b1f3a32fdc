// The playback engine's view of Windows: SendInput, the cursor, a fine timer and the
// thread's message pump.
#pragma once

#include <optional>
#include <random>

#include "engine/PlaybackHost.h"

class Win32PlaybackHost : public PlaybackHost {
 public:
  // Raises the system timer resolution to 1 ms for the host's life: with the default
  // 15.6 ms tick a 50 ms sleep would last about 62 ms.
  Win32PlaybackHost();
  ~Win32PlaybackHost() override;
  Win32PlaybackHost(const Win32PlaybackHost&) = delete;
  Win32PlaybackHost& operator=(const Win32PlaybackHost&) = delete;

  void InjectMouse(uint32_t flags, int x, int y, int wheelData) override;
  void InjectKey(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) override;
  uint8_t ScanCode(uint8_t virtualKey) override;
  bool CursorPos(Point& position) override;
  void SetCursorPos(int x, int y) override;
  int64_t NowMicros() override;
  void SleepUntil(int64_t micros) override;
  int64_t CalendarSeconds() override;
  void LocalTimeOfDay(int64_t seconds, int& hour, int& minute, int& second) override;
  uint32_t Random() override;
  void PumpMessages() override;

  static ScreenInfo Screen();

 private:
  int64_t frequency_ = 1;
  std::mt19937 random_;
  std::optional<Point> placed_;          // where this host last put the cursor
  std::optional<Point> placedBefore_;    // and the time before that
};
