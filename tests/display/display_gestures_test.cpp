// The display windows' stylus arithmetic: drag scrolling, the tap rule and
// the delay a tap passes to the animation.
#include "ui/display_gestures.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// A press whose moves go to each x in turn (the first only records x).
DragScroll Drag(int32_t minScrollOffset, std::initializer_list<int32_t> xs) {
  DragScroll scroll;
  scroll.minScrollOffset = minScrollOffset;
  for (int32_t x : xs) followDrag(scroll, x);
  return scroll;
}

TEST(DragScrolling, TheFirstMoveOfAPressOnlyRecordsWhereTheStylusIs) {
  DragScroll scroll;
  scroll.minScrollOffset = -100;
  EXPECT_FALSE(followDrag(scroll, 50));
  EXPECT_EQ(scroll.lastX, 50);
  EXPECT_EQ(scroll.scrollOffset, 0);
  EXPECT_EQ(scroll.dragDistance, 0);
  EXPECT_TRUE(followDrag(scroll, 40));
  EXPECT_EQ(scroll.scrollOffset, -10);
  EXPECT_EQ(scroll.dragDistance, 10);
  EXPECT_EQ(scroll.lastX, 40);
}

TEST(DragScrolling, AStringThatFitsNeverMoves) {
  const DragScroll scroll = Drag(0, {50, 20, 90, 10});
  EXPECT_EQ(scroll.scrollOffset, 0);
  EXPECT_EQ(scroll.dragDistance, 30 + 70 + 80);
}

TEST(DragScrolling, AStringTooWideGoesLeftAsFarAsItsEndAndNeverRightOfItsRest) {
  EXPECT_EQ(Drag(-100, {200, 150, 20}).scrollOffset, -100);
  EXPECT_EQ(Drag(-100, {200, 101}).scrollOffset, -99);
  EXPECT_EQ(Drag(-100, {100, 60, 200}).scrollOffset, 0);
  EXPECT_EQ(Drag(-100, {100, 60, 70}).scrollOffset, -30);
}

TEST(DragScrolling, MovementAtTheLimitChangesNothingAndAsksNoRepaint) {
  DragScroll scroll = Drag(-100, {200, 100});
  ASSERT_EQ(scroll.scrollOffset, -100);
  EXPECT_FALSE(followDrag(scroll, 50));
  EXPECT_EQ(scroll.dragDistance, 150);
  EXPECT_FALSE(dragNeedsRepaint(scroll.dragDistance, false));
}

TEST(TapRule, ThreePixelsInAllIsATapFourIsADragEvenBackInPlace) {
  const DragScroll three = Drag(-100, {50, 49, 51});
  EXPECT_EQ(three.dragDistance, 3);
  EXPECT_FALSE(isDrag(three.dragDistance));
  const DragScroll four = Drag(-100, {50, 48, 50});
  EXPECT_EQ(four.dragDistance, 4);
  EXPECT_TRUE(isDrag(four.dragDistance));
  EXPECT_EQ(four.scrollOffset, 0);
}

TEST(TapRule, ATextMovesOnScreenOnlyOnceThePressIsADrag) {
  EXPECT_FALSE(dragNeedsRepaint(3, true));
  EXPECT_TRUE(dragNeedsRepaint(4, true));
  EXPECT_FALSE(dragNeedsRepaint(4, false));
}

TEST(ScrollLimit, IsTheOverhangOfTheTextLessFourInsideABorder) {
  EXPECT_EQ(minScrollOffsetFor(200, 178, false), 0);
  EXPECT_EQ(minScrollOffsetFor(78, 178, false), -100);
  EXPECT_EQ(minScrollOffsetFor(78, 178, true), -104);
  EXPECT_EQ(minScrollOffsetFor(178, 178, false), 0);
  EXPECT_EQ(minScrollOffsetFor(180, 178, true), -2);
  EXPECT_EQ(minScrollOffsetFor(182, 178, true), 0);
}

TEST(TapDelay, IsTheHeldTimeWithin450And3000DividedBy7) {
  EXPECT_EQ(tapDelay(100), 64u);
  EXPECT_EQ(tapDelay(10000), 428u);
  EXPECT_EQ(tapDelay(0), 64u);
  EXPECT_EQ(tapDelay(454), 64u);
  EXPECT_EQ(tapDelay(455), 65u);
  EXPECT_EQ(tapDelay(1000), 142u);
  EXPECT_EQ(tapDelay(2995), 427u);
  EXPECT_EQ(tapDelay(2996), 428u);
  EXPECT_EQ(tapDelay(3006), 428u);
  EXPECT_EQ(tapDelay(0xFFFFFFFFu), 428u);
}

}  // namespace
}  // namespace morvane
