#include "PlaybackEnding.h"

PlaybackEnding DecidePlaybackEnding(const PlaybackState& state, bool stay, bool shutdownChecked,
                                    bool stopTipEnabled) {
  PlaybackEnding ending;
  ending.showStopTip = state.userMovedMouse && stopTipEnabled;
  using Then = PlaybackEnding::Then;
  if (stay) {
    ending.then = !state.stoppedByUser && shutdownChecked ? Then::Shutdown : Then::RestoreWindow;
  } else {
    ending.then = state.stoppedByUser ? Then::ExitStopped : Then::Close;
  }
  return ending;
}
