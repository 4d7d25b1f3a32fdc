#include "../../recorder/engine/PlaybackEnding.h"

#include <gtest/gtest.h>

TEST(PlaybackEnding, DependsOnHowThePlaybackEndedAndHowTheProgramRuns) {
  using Then = PlaybackEnding::Then;
  const PlaybackState finished{};
  const PlaybackState hotkey{true, true, false, false};
  const PlaybackState moved{true, true, true, false};
  const struct {
    const char* name;
    PlaybackState state;
    bool stay, shutdown, tipEnabled;
    bool tip;
    Then then;
  } cases[] = {
      {"interactive, finished", finished, true, false, true, false, Then::RestoreWindow},
      {"interactive, finished, shutdown", finished, true, true, true, false, Then::Shutdown},
      {"interactive, stopped by hotkey, shutdown", hotkey, true, true, true, false, Then::RestoreWindow},
      {"interactive, mouse moved", moved, true, false, true, true, Then::RestoreWindow},
      {"interactive, mouse moved, tip off", moved, true, false, false, false, Then::RestoreWindow},
      {"command line, finished", finished, false, true, true, false, Then::Close},
      {"command line, stopped by hotkey", hotkey, false, false, true, false, Then::ExitStopped},
      {"command line, mouse moved", moved, false, false, true, true, Then::ExitStopped},
  };
  for (const auto& c : cases) {
    const PlaybackEnding ending = DecidePlaybackEnding(c.state, c.stay, c.shutdown, c.tipEnabled);
    EXPECT_EQ(ending.showStopTip, c.tip) << c.name;
    EXPECT_EQ(ending.then, c.then) << c.name;
  }
}
