// What the playback engine needs from the platform: input injection, the cursor,
// clocks and sleeping, the message pump, and the progress window.
#pragma once

#include <cstdint>
#include <string>

struct Point {
  int x = 0;
  int y = 0;
};

// Flags of injected mouse and key events (the values of the Windows input calls).
inline constexpr uint32_t kMouseMove = 0x0001;
inline constexpr uint32_t kMouseLeftDown = 0x0002;
inline constexpr uint32_t kMouseLeftUp = 0x0004;
inline constexpr uint32_t kMouseRightDown = 0x0008;
inline constexpr uint32_t kMouseRightUp = 0x0010;
inline constexpr uint32_t kMouseMiddleDown = 0x0020;
inline constexpr uint32_t kMouseMiddleUp = 0x0040;
inline constexpr uint32_t kMouseWheel = 0x0800;
inline constexpr uint32_t kMouseAbsolute = 0x8000;
inline constexpr uint32_t kKeyExtended = 0x0001;
inline constexpr uint32_t kKeyUp = 0x0002;

class PlaybackHost {
 public:
  virtual ~PlaybackHost() = default;

  virtual void InjectMouse(uint32_t flags, int x, int y, int wheelData) = 0;
  virtual void InjectKey(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) = 0;
  virtual uint8_t ScanCode(uint8_t virtualKey) = 0;
  // False when the position cannot be read.
  virtual bool CursorPos(Point& position) = 0;
  virtual void SetCursorPos(int x, int y) = 0;

  // A steady clock in microseconds, and sleeping until a moment of it.
  virtual int64_t NowMicros() = 0;
  virtual void SleepUntil(int64_t micros) = 0;
  // Calendar time in whole seconds, and its local time of day.
  virtual int64_t CalendarSeconds() = 0;
  virtual void LocalTimeOfDay(int64_t seconds, int& hour, int& minute, int& second) = 0;
  virtual uint32_t Random() = 0;

  // Runs every message waiting for this thread (hotkeys, timers, the progress window).
  virtual void PumpMessages() = 0;
};

class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void SetProgress(uint64_t positionMs) = 0;
  virtual void SetStatus(const std::wstring& text) = 0;
  virtual std::wstring Status() = 0;
};

// The screen as the engine needs it to place the cursor.
struct ScreenInfo {
  int width = 0;             // primary screen, for absolute moves
  int height = 0;
  bool negativeX = false;    // screens left of the primary one exist
  bool negativeY = false;    // screens above the primary one exist
  bool swappedButtons = false;
};
