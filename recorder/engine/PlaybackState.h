// The flags that the playback engine shares with its hotkeys and the main window. They
// are only touched on the UI thread.
#pragma once

struct PlaybackState {
  bool stopRequested = false;   // stop as soon as possible
  bool stoppedByUser = false;   // by the stop hotkey or by moving the mouse
  bool userMovedMouse = false;  // by moving the mouse
  bool paused = false;          // toggled by the pause hotkey
};
