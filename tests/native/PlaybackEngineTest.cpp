#include <gtest/gtest.h>

#include "../../recorder/engine/PlaybackEngine.h"
#include "FakePlaybackHost.h"

namespace {

constexpr int64_t kStartWaitMs = 300;  // before the first pass

MacroEvent Move(int x, int y, uint32_t gap) {
  return {static_cast<uint16_t>(EventKind::MouseMove), static_cast<uint16_t>(x), static_cast<uint16_t>(y), 0, gap};
}
MacroEvent Mouse(EventKind kind, uint32_t gap = 0) { return {static_cast<uint16_t>(kind), 10, 20, 0, gap}; }
MacroEvent Key(EventKind kind, uint16_t vk, uint32_t gap = 0) { return {static_cast<uint16_t>(kind), vk, 0, 0, gap}; }

class PlaybackEngineTest : public testing::Test {
 protected:
  void Run(const std::vector<MacroEvent>& events, PlaybackOptions options = {}) {
    PlaybackEngine engine(host, host, state, settings);
    engine.Run(events, options);
  }

  FakePlaybackHost host;
  PlaybackState state;
  PlaybackSettings settings{true, false, {1000, 800, false, false, false}, L"Ctrl + P"};
};

TEST(ScaleGap, SpeedPositionsDivideOrMultiplyTheGap) {
  const struct {
    uint32_t gap;
    int position;
    uint64_t scaled;
  } cases[] = {
      {600, 10, 100},  {600, 9, 120},  {600, 6, 300},  {600, 5, 600},   {600, 4, 1200},
      {600, 0, 3600},  {7, 10, 1},     {5, 10, 0},     {600, 7, 200},   {0xFFFFFFFF, 0, 0xFFFFFFFFull * 6},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleGap(c.gap, c.position), c.scaled) << c.gap << " at " << c.position;
}

TEST(ReadPlaybackOptions, ReadsTheRepeatControls) {
  RepeatControls times;
  times.times = true;
  times.timesText = L"3";
  EXPECT_EQ(ReadPlaybackOptions(times).mode, RepeatMode::Times);
  EXPECT_EQ(ReadPlaybackOptions(times).count, 3);
  times.timesText = L"";
  EXPECT_EQ(ReadPlaybackOptions(times).count, 1) << "empty text counts as 1";

  RepeatControls forTime;
  forTime.forTime = true;
  forTime.timeText = L"90";
  forTime.timeUnit = 1;
  EXPECT_EQ(ReadPlaybackOptions(forTime).durationMs, 90'000);
  forTime.timeText = L"x";
  forTime.timeUnit = 7;  // not a unit: minutes
  EXPECT_EQ(ReadPlaybackOptions(forTime).durationMs, 60'000);
  forTime.timeText = L"10000000";
  forTime.timeUnit = 3;
  EXPECT_EQ(ReadPlaybackOptions(forTime).durationMs, 36'000'000'000'000) << "no overflow";

  RepeatControls delay;
  delay.delay = true;
  delay.delayHours = L"1";
  delay.delayMinutes = L"2";
  delay.delaySeconds = L"";
  delay.randomDelay = true;
  EXPECT_EQ(ReadPlaybackOptions(delay).delaySeconds, 3720);
  EXPECT_TRUE(ReadPlaybackOptions(delay).randomDelay);
  delay.delay = false;
  EXPECT_EQ(ReadPlaybackOptions(delay).delaySeconds, 0);
  EXPECT_FALSE(ReadPlaybackOptions(delay).randomDelay) << "random only counts with the delay";
  EXPECT_EQ(ReadPlaybackOptions(RepeatControls{}).mode, RepeatMode::Once);
}

// Gaps are waited in 50 ms slices; a gap below 50 is one slice of its own length.
TEST_F(PlaybackEngineTest, WaitsTheScaledGapsInSlices) {
  const struct {
    uint32_t gap;
    int speed;
    int64_t waited;
  } cases[] = {
      {0, 5, 0}, {30, 5, 30}, {50, 5, 50}, {70, 5, 100}, {120, 5, 150}, {600, 10, 100}, {600, 0, 3600}, {49, 4, 100},
  };
  for (const auto& c : cases) {
    host = FakePlaybackHost();
    PlaybackOptions options;
    options.speedPosition = c.speed;
    Run({Move(1, 1, c.gap), Move(2, 2, 0)}, options);
    ASSERT_EQ(host.cursorSets.size(), 2u);
    EXPECT_EQ(host.NowMs() - kStartWaitMs, c.waited) << "gap " << c.gap << " at speed " << c.speed;
  }
}

TEST_F(PlaybackEngineTest, RepeatsWithTheDelayBetweenPassesOnly) {
  PlaybackOptions options;
  options.mode = RepeatMode::Times;
  options.count = 3;
  options.delaySeconds = 2;
  Run({Mouse(EventKind::LeftDown, 100), Mouse(EventKind::LeftUp, 0)}, options);
  EXPECT_EQ(host.TimesOf(false, kMouseLeftDown), (std::vector<int64_t>{300, 2400, 4500}));
  EXPECT_EQ(host.NowMs(), 300 + 3 * 100 + 2 * 2000) << "no delay after the last pass";
  EXPECT_EQ(host.statuses, (std::vector<std::wstring>{L"Repeat 3 times, current 1", L"Delaying until next repeat",
                                                       L"Repeat 3 times, current 2", L"Delaying until next repeat",
                                                       L"Repeat 3 times, current 3"}));
}

TEST_F(PlaybackEngineTest, ForTimeStartsAPassOnlyBeforeTheEndAndFinishesIt) {
  PlaybackOptions options;
  options.mode = RepeatMode::ForTime;
  options.durationMs = 60'000;
  host.calendarBase = 3600 * 10 + 60 * 5 + 7;  // 10:05:07
  Run({Mouse(EventKind::LeftDown, 45'000), Mouse(EventKind::LeftUp, 0)}, options);
  EXPECT_EQ(host.TimesOf(false, kMouseLeftDown).size(), 2u);
  EXPECT_EQ(host.NowMs(), 300 + 90'000);
  EXPECT_EQ(host.statuses.front(), L"Started at 10:05:07, current 1");
}

TEST_F(PlaybackEngineTest, CountZeroPlaysNothing) {
  PlaybackOptions options;
  options.mode = RepeatMode::Times;
  options.count = 0;
  Run({Mouse(EventKind::LeftDown, 100)}, options);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(host.NowMs(), kStartWaitMs);
}

TEST_F(PlaybackEngineTest, RandomDelayIsAPartOfTheDelay) {
  PlaybackOptions options;
  options.mode = RepeatMode::Times;
  options.count = 2;
  options.delaySeconds = 10;
  options.randomDelay = true;
  host.randomValue = 12345;  // 2345 / 10000 of 10 s: 2 whole seconds
  Run({Mouse(EventKind::LeftDown, 0)}, options);
  EXPECT_EQ(host.NowMs(), 300 + 2000);

  host = FakePlaybackHost();
  host.randomValue = 9999;
  options.delaySeconds = 1;  // anything below one second is no delay
  Run({Mouse(EventKind::LeftDown, 0)}, options);
  EXPECT_EQ(host.NowMs(), 300);
}

TEST_F(PlaybackEngineTest, StopsWithinASliceAndReleasesWhatThePassHeld) {
  host.At(kStartWaitMs + 1000, [&] { state.stopRequested = state.stoppedByUser = true; });
  Run({Key(EventKind::KeyDown, 0x11), Key(EventKind::KeyDown, 0x10), Key(EventKind::KeyDown, 'A'),
       Mouse(EventKind::LeftDown, 10'000), Mouse(EventKind::LeftUp, 0)});
  EXPECT_LE(host.NowMs(), kStartWaitMs + 1000 + 50);
  EXPECT_TRUE(state.stoppedByUser);

  // After the presses: the button, then A, Shift, Ctrl in reverse, then Shift, Ctrl, Alt.
  std::vector<std::pair<bool, int>> releases;
  for (size_t i = 4; i < host.log.size(); ++i) {
    releases.push_back({host.log[i].key, host.log[i].key ? host.log[i].a : static_cast<int>(host.log[i].flags)});
  }
  EXPECT_EQ(releases, (std::vector<std::pair<bool, int>>{{false, kMouseLeftUp}, {true, 'A'}, {true, 0x10},
                                                         {true, 0x11}, {true, 16}, {true, 17}, {true, 18}}));
  for (size_t i = 5; i < host.log.size(); ++i) EXPECT_EQ(host.log[i].flags & kKeyUp, kKeyUp);
}

TEST_F(PlaybackEngineTest, AFinishedPassReleasesOnlyTheModifiers) {
  Run({Key(EventKind::KeyDown, 'A'), Key(EventKind::KeyUp, 'A'), Mouse(EventKind::RightDown),
       Mouse(EventKind::RightUp)});
  ASSERT_EQ(host.log.size(), 4u + 3u);
  for (size_t i = 4; i < host.log.size(); ++i) EXPECT_EQ(host.log[i].a, static_cast<int>(16 + i - 4));
}

TEST_F(PlaybackEngineTest, UserMovementOfMoreThanFivePixelsStops) {
  const struct {
    int dx, dy;
    bool stops;
  } cases[] = {{5, 0, false}, {0, -5, false}, {3, 4, false}, {4, 4, true}, {6, 0, true}, {-20, 7, true}};
  for (const auto& c : cases) {
    host = FakePlaybackHost();
    state = PlaybackState();
    host.At(kStartWaitMs + 400, [&] { host.cursor = {10 + c.dx, 20 + c.dy}; });
    Run({Mouse(EventKind::LeftDown, 1000), Mouse(EventKind::LeftUp, 0)});
    EXPECT_EQ(state.userMovedMouse, c.stops) << c.dx << "," << c.dy;
    EXPECT_EQ(state.stoppedByUser, c.stops);
    EXPECT_EQ(host.TimesOf(false, kMouseLeftUp).size(), 1u) << "released either way";
  }
}

TEST_F(PlaybackEngineTest, ItsOwnCursorPlacementIsNotTakenForTheUsers) {
  host.cursorReadLags = true;
  PlaybackOptions options;
  options.mode = RepeatMode::Times;
  options.count = 3;
  Run({Mouse(EventKind::LeftDown, 200), Move(400, 300, 200), Mouse(EventKind::LeftUp, 200)}, options);
  EXPECT_FALSE(state.stopRequested);
  EXPECT_EQ(host.TimesOf(false, kMouseLeftUp).size(), 3u);
}

TEST_F(PlaybackEngineTest, MovementIsNotCheckedWhenSwitchedOffOrDuringTheGracePeriod) {
  settings.checkUserMoves = false;
  host.At(kStartWaitMs + 400, [&] { host.cursor = {900, 900}; });
  Run({Mouse(EventKind::LeftDown, 1000)});
  EXPECT_FALSE(state.stopRequested);

  // Within 300 ms of the start the pointer may move; the next event takes it as the base.
  settings.checkUserMoves = true;
  host = FakePlaybackHost();
  host.At(kStartWaitMs + 100, [&] { host.cursor = {900, 900}; });
  Run({Mouse(EventKind::LeftDown, 200), Key(EventKind::KeyDown, 'A', 1000), Key(EventKind::KeyUp, 'A')});
  EXPECT_FALSE(state.stopRequested);
}

TEST_F(PlaybackEngineTest, PauseHoldsThePlaybackAndPutsTheCursorBack) {
  host.At(kStartWaitMs + 500, [&] { state.paused = true; });
  host.At(kStartWaitMs + 3000, [&] { state.paused = false; });
  // While paused the user moves the mouse; that is allowed.
  host.At(kStartWaitMs + 1000, [&] { host.cursor = {700, 700}; });
  Run({Move(100, 100, 1000), Move(200, 200, 0)});

  EXPECT_FALSE(state.stopRequested);
  ASSERT_GE(host.statuses.size(), 3u);
  EXPECT_EQ(host.statuses[1], L"Paused, Press Ctrl + P to Continue");
  EXPECT_EQ(host.statuses[2], L"Repeat 1 times, current 1");
  // The cursor goes back to where the pause began, then the record goes on; the rest
  // of the gap is still waited after the pause.
  ASSERT_EQ(host.cursorSets.size(), 3u);
  EXPECT_EQ(host.cursorSets[1].x, 100);
  EXPECT_EQ(host.cursorSets[2].x, 200);
  EXPECT_GE(host.NowMs(), kStartWaitMs + 3000 + 400);
}

TEST_F(PlaybackEngineTest, PauseDuringTheGracePeriodWaitsForItsEnd) {
  host.At(kStartWaitMs + 50, [&] { state.paused = true; });
  host.At(kStartWaitMs + 1000, [&] { state.paused = false; });
  Run({Move(1, 1, 100), Move(2, 2, 500)});
  ASSERT_GE(host.statuses.size(), 2u);
  EXPECT_EQ(host.statuses[1], L"Paused, Press Ctrl + P to Continue");
}

TEST_F(PlaybackEngineTest, SwappedButtonsSwapLeftAndRightOnly) {
  settings.screen.swappedButtons = true;
  Run({Mouse(EventKind::LeftDown), Mouse(EventKind::LeftUp), Mouse(EventKind::RightDown), Mouse(EventKind::RightUp),
       Mouse(EventKind::MiddleDown), Mouse(EventKind::MiddleUp)});
  std::vector<uint32_t> flags;
  for (const Injected& i : host.log) {
    if (!i.key) flags.push_back(i.flags);
  }
  EXPECT_EQ(flags, (std::vector<uint32_t>{kMouseRightDown, kMouseRightUp, kMouseLeftDown, kMouseLeftUp,
                                          kMouseMiddleDown, kMouseMiddleUp}));
}

TEST_F(PlaybackEngineTest, ExtendedKeysCarryTheExtendedFlag) {
  const struct {
    uint16_t vk;
    bool extended;
  } cases[] = {{32, false}, {33, true},  {40, true},  {41, false}, {45, true},  {46, true},  {91, true},
               {93, true},  {94, false}, {95, true},  {111, true}, {162, false}, {163, true}, {164, false},
               {165, true}, {183, true}, {184, false}, {'A', false}, {0x1A0, false}};
  for (const auto& c : cases) {
    host = FakePlaybackHost();
    Run({Key(EventKind::KeyDown, c.vk), Key(EventKind::KeyUp, c.vk)});
    ASSERT_GE(host.log.size(), 2u);
    EXPECT_EQ(host.log[0].flags, c.extended ? kKeyExtended : 0u) << "vk " << c.vk;
    EXPECT_EQ(host.log[1].flags, (c.extended ? kKeyExtended : 0u) | kKeyUp) << "vk " << c.vk;
    EXPECT_EQ(host.log[0].a, c.vk & 0xFF) << "the virtual key is the low byte";
    EXPECT_EQ(host.log[0].b, static_cast<uint8_t>((c.vk & 0xFF) + 100)) << "with its scan code";
  }
}

TEST_F(PlaybackEngineTest, WheelAndAbsoluteMoves) {
  settings.absoluteMoves = true;
  MacroEvent wheel = Mouse(EventKind::Wheel);
  wheel.wheelDelta = -240;
  Run({Move(500, 400, 0), wheel});
  ASSERT_EQ(host.log.size(), 2u + 3u);
  EXPECT_EQ(host.log[0].flags, kMouseMove | kMouseAbsolute);
  EXPECT_EQ(host.log[0].a, 500 * 65536 / 1000);
  EXPECT_EQ(host.log[0].b, 400 * 65536 / 800);
  EXPECT_EQ(host.log[1].flags, kMouseWheel);
  EXPECT_EQ(host.log[1].wheel, -240);
  EXPECT_EQ(host.cursorSets.size(), 1u) << "the wheel places the cursor first; the absolute move does not";
}

TEST_F(PlaybackEngineTest, NegativeCoordinatesWhereScreensLieLeftOrAbove) {
  const uint16_t minus100 = static_cast<uint16_t>(-100);
  Run({Move(minus100, 65000, 0)});
  EXPECT_EQ(host.cursorSets.at(0).x, 65436) << "a single screen reads the 16 bits as unsigned";
  EXPECT_EQ(host.cursorSets.at(0).y, 65000);

  host = FakePlaybackHost();
  settings.screen.negativeX = true;
  settings.absoluteMoves = true;  // absolute input cannot reach other screens: the cursor is set
  Run({Move(minus100, 300, 0)});
  ASSERT_EQ(host.cursorSets.size(), 1u);
  EXPECT_EQ(host.cursorSets[0].x, -100);
  EXPECT_EQ(host.cursorSets[0].y, 300);
}

TEST_F(PlaybackEngineTest, UnknownKindsAreSkippedWithoutWaiting) {
  MacroEvent unknown{42, 1, 1, 0, 5000};
  Run({unknown, Mouse(EventKind::LeftDown, 0)});
  EXPECT_EQ(host.TimesOf(false, kMouseLeftDown), (std::vector<int64_t>{kStartWaitMs}));
}

// Time spent injecting input does not add up: events keep to the planned schedule.
TEST_F(PlaybackEngineTest, KeepsToTheScheduleWhenInjectionTakesTime) {
  host.injectionCostMicros = 3000;
  std::vector<MacroEvent> events;
  for (int i = 0; i < 100; ++i) events.push_back(Mouse(EventKind::LeftDown, 100));
  Run(events);
  const std::vector<int64_t> times = host.TimesOf(false, kMouseLeftDown);
  ASSERT_EQ(times.size(), 100u);
  for (size_t i = 0; i < times.size(); ++i) EXPECT_EQ(times[i], kStartWaitMs + 100 * static_cast<int64_t>(i));
}

// After a stall the schedule starts afresh rather than firing the next events at once.
TEST_F(PlaybackEngineTest, AStallIsNotMadeUpForWithABurst) {
  host.At(kStartWaitMs + 100, [&] { host.nowMicros += 2'000'000; });
  settings.checkUserMoves = false;
  Run({Mouse(EventKind::LeftDown, 200), Mouse(EventKind::LeftDown, 200), Mouse(EventKind::LeftDown, 0)});
  const std::vector<int64_t> times = host.TimesOf(false, kMouseLeftDown);
  ASSERT_EQ(times.size(), 3u);
  EXPECT_GE(times[2] - times[1], 200);
}

TEST_F(PlaybackEngineTest, ProgressFollowsTheRecordedGaps) {
  PlaybackOptions options;
  options.mode = RepeatMode::Times;
  options.count = 2;
  options.speedPosition = 10;  // progress counts recorded, not scaled, time
  Run({Mouse(EventKind::LeftDown, 600), Mouse(EventKind::LeftUp, 300), Mouse(EventKind::Wheel, 0)}, options);
  EXPECT_EQ(host.progress, (std::vector<uint64_t>{0, 600, 900, 900, 900, 0, 600, 900, 900}));
}

}  // namespace
