// The stop window of a recording: one skinned button that ends it, and the
// stop-recording hotkey. It stays on top, never takes the focus, and steps out of the
// pointer's way.
#pragma once

#include "../shared/controls/XPButton.h"
#include "../shared/win/CustomWindow.h"
#include "engine/MoveAway.h"
#include "engine/PlaybackState.h"

class CStopWnd : public CustomWindow {
 public:
  explicit CStopWnd(PlaybackState& state) : state_(state) {}

  // Creates the window at the bottom right of the work area, shows it without
  // activating it, and registers the hotkey.
  bool Open();

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Stop();

  PlaybackState& state_;
  CXPButton button_;
  MoveAway moveAway_;
};
