#include "Win32PlaybackHost.h"

#include <windows.h>

#include <mmsystem.h>

#include <ctime>

#include "../shared/frame/AppStartup.h"

Win32PlaybackHost::Win32PlaybackHost() : random_(static_cast<uint32_t>(std::time(nullptr))) {
  timeBeginPeriod(1);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart;
  // Where the cursor was before the first placement counts as a previous one too.
  if (POINT start; GetCursorPos(&start)) placed_ = Point{start.x, start.y};
}

Win32PlaybackHost::~Win32PlaybackHost() { timeEndPeriod(1); }

void Win32PlaybackHost::InjectMouse(uint32_t flags, int x, int y, int wheelData) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.mouseData = static_cast<DWORD>(wheelData);
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void Win32PlaybackHost::InjectKey(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scanCode;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

uint8_t Win32PlaybackHost::ScanCode(uint8_t virtualKey) {
  return static_cast<uint8_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
}

bool Win32PlaybackHost::CursorPos(Point& position) {
  POINT point;
  if (!GetCursorPos(&point)) return false;
  position = {point.x, point.y};
  // Where the pointer is driven by an X server (Wine), the pointer motion of the
  // previous SetCursorPos can arrive late and move the cursor back there. The cursor
  // exactly on our own previous placement is that echo, not the user: put it back.
  const auto same = [](Point a, Point b) { return a.x == b.x && a.y == b.y; };
  if (placed_ && placedBefore_ && same(position, *placedBefore_) && !same(position, *placed_)) {
    ::SetCursorPos(placed_->x, placed_->y);
    position = *placed_;
  }
  return true;
}

void Win32PlaybackHost::SetCursorPos(int x, int y) {
  placedBefore_ = placed_;
  placed_ = Point{x, y};
  ::SetCursorPos(x, y);
}

int64_t Win32PlaybackHost::NowMicros() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency_ * 1'000'000 + now.QuadPart % frequency_ * 1'000'000 / frequency_;
}

void Win32PlaybackHost::SleepUntil(int64_t micros) {
  const int64_t remaining = micros - NowMicros();
  if (remaining > 0) Sleep(static_cast<DWORD>((remaining + 500) / 1000));
}

int64_t Win32PlaybackHost::CalendarSeconds() { return _time64(nullptr); }

void Win32PlaybackHost::LocalTimeOfDay(int64_t seconds, int& hour, int& minute, int& second) {
  tm local{};
  const __time64_t time = seconds;
  _localtime64_s(&local, &time);
  hour = local.tm_hour;
  minute = local.tm_min;
  second = local.tm_sec;
}

uint32_t Win32PlaybackHost::Random() { return random_(); }

void Win32PlaybackHost::PumpMessages() { ::PumpMessages(); }

ScreenInfo Win32PlaybackHost::Screen() {
  ScreenInfo screen;
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  screen.negativeX = GetSystemMetrics(SM_XVIRTUALSCREEN) < 0;
  screen.negativeY = GetSystemMetrics(SM_YVIRTUALSCREEN) < 0;
  screen.swappedButtons = GetSystemMetrics(SM_SWAPBUTTON) != 0;
  return screen;
}
