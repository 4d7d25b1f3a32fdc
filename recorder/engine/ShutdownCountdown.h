// The countdown of the shutdown dialog: one tick a second from 60 down to 0, then the
// computer shuts down. "Shutdown Immediate" ends it early.
#pragma once

#include <string>

class ShutdownCountdown {
 public:
  static constexpr int kSeconds = 60;

  // What the dialog shows: "%d seconds" while counting, then "Shutting down...".
  std::wstring Text() const;
  // One second has passed. True when this tick ran the time out: the caller stops the
  // timer and starts the shutdown. Ticks after the end change nothing.
  bool Tick();
  // "Shutdown Immediate".
  void Finish() { secondsLeft_ = 0; }

 private:
  int secondsLeft_ = kSeconds;
};
