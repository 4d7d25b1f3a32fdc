#include "../../recorder/engine/RecordingBuffer.h"

#include <gtest/gtest.h>

#include <set>

#include "../../recorder/engine/RecordName.h"

namespace {

MacroEvent E(EventKind kind, uint16_t x, uint16_t y, uint32_t delay, int16_t wheel = 0) {
  return {static_cast<uint16_t>(kind), x, y, wheel, delay};
}

}  // namespace

TEST(RecordingBuffer, EachGapIsWrittenWhenTheNextEventArrives) {
  RecordingBuffer buffer;
  buffer.Start(4, 0, 0);
  buffer.Append(E(EventKind::MouseMove, 10, 20, 999), 1000);
  ASSERT_EQ(buffer.Events().size(), 1u);
  EXPECT_EQ(buffer.Events()[0].delayAfterMs, 0u) << "a single event has no gap";
  buffer.Append(E(EventKind::LeftDown, 10, 20, 0), 1016);
  buffer.Append(E(EventKind::LeftUp, 10, 20, 0), 1016);
  buffer.Append(E(EventKind::KeyDown, 0x41, 0, 0), 1516);
  const std::vector<MacroEvent> expected = {E(EventKind::MouseMove, 10, 20, 16), E(EventKind::LeftDown, 10, 20, 0),
                                            E(EventKind::LeftUp, 10, 20, 500), E(EventKind::KeyDown, 0x41, 0, 0)};
  EXPECT_EQ(buffer.Events(), expected);

  buffer.Start(4, 0, 0);
  EXPECT_TRUE(buffer.Empty()) << "a new recording starts empty";
}

TEST(RecordingBuffer, MovesThatGoNowhereAreNoInput) {
  const struct {
    MacroEvent event;
    bool input;
  } cases[] = {
      {E(EventKind::MouseMove, 640, 512, 0), false},  {E(EventKind::MouseMove, 641, 512, 0), true},
      {E(EventKind::MouseMove, 640, 513, 0), true},   {E(EventKind::LeftDown, 640, 512, 0), true},
      {E(EventKind::KeyDown, 640, 512, 0), true},     {E(EventKind::Wheel, 640, 512, 0, 120), true},
  };
  for (const auto& c : cases) {
    RecordingBuffer buffer;
    buffer.Start(4, 640, 512);
    buffer.Append(E(EventKind::MouseMove, 640, 512, 0), 1);
    buffer.Append(c.event, 2);
    EXPECT_FALSE(buffer.Empty());
    EXPECT_EQ(buffer.HasUserInput(), c.input) << "kind " << c.event.kind << " at " << c.event.x << "," << c.event.y;
    EXPECT_EQ(buffer.Events().size(), 2u) << "nothing is left out of the record";
  }
}

TEST(RecordingBuffer, GapsSurviveTheTickCounterWrapping) {
  RecordingBuffer buffer;
  buffer.Start(2, 0, 0);
  buffer.Append(E(EventKind::MouseMove, 1, 1, 0), 0xFFFFFFF0u);
  buffer.Append(E(EventKind::MouseMove, 2, 2, 0), 0x10u);
  EXPECT_EQ(buffer.Events()[0].delayAfterMs, 0x20u);
}

TEST(RecordingBuffer, HookMessagesAsEvents) {
  const struct {
    uint32_t message;
    std::optional<MacroEvent> event;
  } mouse[] = {
      {0x0200, E(EventKind::MouseMove, 100, 200, 0)},  {0x0201, E(EventKind::LeftDown, 100, 200, 0)},
      {0x0202, E(EventKind::LeftUp, 100, 200, 0)},     {0x0207, E(EventKind::MiddleDown, 100, 200, 0)},
      {0x0208, E(EventKind::MiddleUp, 100, 200, 0)},   {0x0204, E(EventKind::RightDown, 100, 200, 0)},
      {0x0205, E(EventKind::RightUp, 100, 200, 0)},    {0x020A, E(EventKind::Wheel, 100, 200, 0, -120)},
      {0x0203, std::nullopt} /* double click */,      {0x020B, std::nullopt} /* extra button */,
      {0x020E, std::nullopt} /* horizontal wheel */,
  };
  for (const auto& c : mouse) {
    EXPECT_EQ(MouseEventFor(c.message, 100, 200, 0xFF880000u), c.event) << std::hex << c.message;
  }
  EXPECT_EQ(MouseEventFor(0x020A, 5, 5, 120u << 16)->wheelDelta, 120) << "the wheel is the high word";
  EXPECT_EQ(*MouseEventFor(0x0200, -100, -1, 0), E(EventKind::MouseMove, 0xFF9C, 0xFFFF, 0))
      << "coordinates keep their low 16 bits";

  const struct {
    uint32_t message;
    std::optional<MacroEvent> event;
  } keys[] = {
      {0x0100, E(EventKind::KeyDown, 0x41, 0, 0)}, {0x0104, E(EventKind::KeyDown, 0x41, 0, 0)},
      {0x0101, E(EventKind::KeyUp, 0x41, 0, 0)},   {0x0105, E(EventKind::KeyUp, 0x41, 0, 0)},
      {0x0102, std::nullopt},
  };
  for (const auto& c : keys) EXPECT_EQ(KeyEventFor(c.message, 0x41), c.event) << std::hex << c.message;
  EXPECT_EQ(*KeyEventFor(0x0100, 0x12345), E(EventKind::KeyDown, 0x2345, 0x1, 0)) << "32-bit codes split";
}

TEST(ProposeRecordName, CountsUpPastExistingFiles) {
  // Two records in the list whose files are the first and third proposals.
  const std::set<std::wstring> files = {L"NewRecord1", L"NewRecord3"};
  const auto exists = [&](const std::wstring& name) { return files.count(name) > 0; };
  EXPECT_EQ(ProposeRecordName(2, exists), L"NewRecord4");
  EXPECT_EQ(ProposeRecordName(0, exists), L"NewRecord2");
  EXPECT_EQ(ProposeRecordName(5, exists), L"NewRecord6");
}
