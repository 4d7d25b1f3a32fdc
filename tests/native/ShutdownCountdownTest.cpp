#include "../../recorder/engine/ShutdownCountdown.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The ticks, counted from 1, on which Tick() said the time ran out.
std::vector<int> EndingTicks(ShutdownCountdown& countdown, int ticks) {
  std::vector<int> endings;
  for (int tick = 1; tick <= ticks; ++tick) {
    if (countdown.Tick()) endings.push_back(tick);
  }
  return endings;
}

}  // namespace

TEST(ShutdownCountdown, ShowsTheSecondsLeftThenShuttingDown) {
  const struct {
    int ticks;
    const wchar_t* text;
  } cases[] = {
      {0, L"60 seconds"}, {1, L"59 seconds"}, {50, L"10 seconds"}, {59, L"1 seconds"},
      {60, L"Shutting down..."}, {75, L"Shutting down..."},
  };
  for (const auto& c : cases) {
    ShutdownCountdown countdown;
    EndingTicks(countdown, c.ticks);
    EXPECT_EQ(countdown.Text(), c.text) << "after " << c.ticks << " ticks";
  }
}

TEST(ShutdownCountdown, TheTimeRunsOutOnceOnTheSixtiethTick) {
  ShutdownCountdown countdown;
  EXPECT_EQ(EndingTicks(countdown, 100), std::vector<int>{60});
}

TEST(ShutdownCountdown, ShuttingDownAtOnceEndsTheCountdown) {
  for (const int ticksBefore : {0, 30, 59}) {
    ShutdownCountdown countdown;
    EndingTicks(countdown, ticksBefore);
    countdown.Finish();
    EXPECT_EQ(countdown.Text(), L"Shutting down...") << "after " << ticksBefore << " ticks";
    EXPECT_TRUE(EndingTicks(countdown, 100).empty()) << "after " << ticksBefore << " ticks";
  }
}
