// Layout of the canvas's drawing area and buttons.
#include "strokes/canvas_layout.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

void ExpectBox(const LayoutBox& box, int32_t x, int32_t y, int32_t width, int32_t height) {
  EXPECT_EQ(box.x, x);
  EXPECT_EQ(box.y, y);
  EXPECT_EQ(box.width, width);
  EXPECT_EQ(box.height, height);
}

TEST(CanvasLayout, ButtonsTakeOneAndAHalfDialogUnits) {
  EXPECT_EQ(CanvasButtonHeight(16), 24);
  EXPECT_EQ(CanvasButtonHeight(13), 19);
}

TEST(CanvasLayout, TwoHundredByOneHundredFiftyWithTwentyFourPixelButtons) {
  const CanvasLayout layout = ComputeCanvasLayout(0, 0, 200, 150, 24);
  ExpectBox(layout.drawArea, 0, 0, 200, 124);
  ExpectBox(layout.clearButton, 0, 126, 99, 24);
  ExpectBox(layout.undoButton, 101, 126, 98, 24);
}

TEST(CanvasLayout, AnOddWidthLeavesTheSpareColumnAtTheRight) {
  const CanvasLayout layout = ComputeCanvasLayout(0, 0, 201, 100, 20);
  ExpectBox(layout.clearButton, 0, 80, 99, 20);
  ExpectBox(layout.undoButton, 101, 80, 98, 20);
}

TEST(CanvasLayout, AnOffsetAreaKeepsItsOrigin) {
  const CanvasLayout layout = ComputeCanvasLayout(10, 5, 110, 105, 24);
  ExpectBox(layout.drawArea, 10, 5, 100, 74);
  ExpectBox(layout.clearButton, 10, 81, 49, 24);
  ExpectBox(layout.undoButton, 61, 81, 48, 24);
}

TEST(CanvasLayout, AnAreaTooSmallForTheButtonsGivesNoNegativeSizes) {
  const CanvasLayout layout = ComputeCanvasLayout(0, 0, 0, 0, 24);
  EXPECT_EQ(layout.drawArea.width, 0);
  EXPECT_EQ(layout.drawArea.height, 0);
  EXPECT_EQ(layout.clearButton.width, 0);
  EXPECT_EQ(layout.undoButton.width, 0);
}

}  // namespace
}  // namespace morvane
