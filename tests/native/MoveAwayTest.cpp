#include "../../recorder/engine/MoveAway.h"

#include <gtest/gtest.h>

namespace {
const Rect kWorkArea{0, 0, 1280, 984};
const Rect kBottomRight{1160, 934, 1280, 984};
const Rect kBottomLeft{0, 934, 120, 984};
}  // namespace

TEST(MoveAway, MovesAfterThreeTicksInsideToTheOtherCorner) {
  MoveAway rule;
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  const auto left = rule.Tick(true, kBottomRight, kWorkArea);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->x, 0);
  EXPECT_EQ(left->y, 934);

  EXPECT_FALSE(rule.Tick(true, kBottomLeft, kWorkArea)) << "the count starts again after a move";
  EXPECT_FALSE(rule.Tick(true, kBottomLeft, kWorkArea));
  const auto right = rule.Tick(true, kBottomLeft, kWorkArea);
  ASSERT_TRUE(right);
  EXPECT_EQ(right->x, 1160);
  EXPECT_EQ(right->y, 934);
}

TEST(MoveAway, OneTickOutsideStartsTheCountAgain) {
  MoveAway rule;
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  EXPECT_FALSE(rule.Tick(false, kBottomRight, kWorkArea));
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  EXPECT_FALSE(rule.Tick(true, kBottomRight, kWorkArea));
  EXPECT_TRUE(rule.Tick(true, kBottomRight, kWorkArea));
}
