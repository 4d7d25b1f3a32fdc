// What happens once the last pass is over.
#pragma once

#include "PlaybackState.h"

struct PlaybackEnding {
  bool showStopTip = false;  // the user moved the mouse and has not turned the tip off
  enum class Then {
    RestoreWindow,  // interactive, or "noquit": the main window comes back
    Shutdown,       // as RestoreWindow, but the shutdown countdown comes first
    ExitStopped,    // run-a-record mode, stopped by the user: exit code -2
    Close,          // run-a-record mode, all passes done: the program ends normally
  } then = Then::RestoreWindow;
};

PlaybackEnding DecidePlaybackEnding(const PlaybackState& state, bool stay, bool shutdownChecked, bool stopTipEnabled);
