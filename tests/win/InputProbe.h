// A window on its own thread that records the mouse and keyboard input it receives,
// so that a test can check what a program under test played into it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ProbeEvent {
  UINT message;  // WM_LBUTTONDOWN, WM_KEYUP, ...
  int a = 0;     // mouse: screen x; wheel: delta; key: virtual key
  int b = 0;     // mouse: screen y; key: 1 when extended
  int64_t atMicros = 0;  // when it arrived; not compared
  bool operator==(const ProbeEvent& other) const {
    return message == other.message && a == other.a && b == other.b;
  }
};

std::string Describe(const ProbeEvent& event);

class InputProbe {
 public:
  // A window at (left, top) of the given size, brought to the foreground.
  InputProbe(int left, int top, int width, int height);
  ~InputProbe();
  InputProbe(const InputProbe&) = delete;
  InputProbe& operator=(const InputProbe&) = delete;

  HWND Window() const { return window_; }
  std::vector<ProbeEvent> Events() const;
  // The events without mouse moves, which the system may merge.
  std::vector<ProbeEvent> EventsWithoutMoves() const;
  // Waits until at least count events without moves arrived; false on time-out.
  bool WaitForEvents(size_t count, DWORD timeoutMs) const;
  void Clear();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  void Run(int left, int top, int width, int height);

  mutable std::mutex mutex_;
  std::vector<ProbeEvent> events_;
  HWND window_ = nullptr;
  HANDLE ready_;
  DWORD threadId_ = 0;
  std::thread thread_;
};
