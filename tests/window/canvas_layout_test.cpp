// Layout of the canvas's drawing area and buttons.
#include "strokes/canvas_layout.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

void ExpectBox(const LayoutBox& box, const LayoutBox& expected) {
  EXPECT_EQ(box.x, expected.x);
  EXPECT_EQ(box.y, expected.y);
  EXPECT_EQ(box.width, expected.width);
  EXPECT_EQ(box.height, expected.height);
}

TEST(CanvasLayout, ButtonsTakeOneAndAHalfDialogUnits) {
  EXPECT_EQ(CanvasButtonHeight(16), 24);
  EXPECT_EQ(CanvasButtonHeight(13), 19);
}

struct LayoutCase {
  const char* name;
  int32_t left, top, right, bottom, bh;
  LayoutBox drawArea, clearButton, undoButton;
};

TEST(CanvasLayout, DrawingAreaOnTopAndTwoButtonsSideBySideBelow) {
  const LayoutCase cases[] = {
      {"200 x 150 with 24 pixel buttons", 0, 0, 200, 150, 24,
       {0, 0, 200, 124}, {0, 126, 99, 24}, {101, 126, 98, 24}},
      {"an odd width leaves the spare column at the right", 0, 0, 201, 100, 20,
       {0, 0, 201, 78}, {0, 80, 99, 20}, {101, 80, 98, 20}},
      {"an offset area keeps its origin", 10, 5, 110, 105, 24,
       {10, 5, 100, 74}, {10, 81, 49, 24}, {61, 81, 48, 24}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CanvasLayout layout = ComputeCanvasLayout(c.left, c.top, c.right, c.bottom, c.bh);
    ExpectBox(layout.drawArea, c.drawArea);
    ExpectBox(layout.clearButton, c.clearButton);
    ExpectBox(layout.undoButton, c.undoButton);
  }
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
