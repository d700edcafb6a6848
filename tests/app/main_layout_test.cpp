// The study screen's three arrangements, pinned with worked values.
#include <gtest/gtest.h>

#include "app/main_layout.h"

namespace morvane {
namespace {

void expectBox(const LayoutBox& b, int x, int y, int w, int h) {
  EXPECT_EQ(b.x, x);
  EXPECT_EQ(b.y, y);
  EXPECT_EQ(b.width, w);
  EXPECT_EQ(b.height, h);
}

LayoutInput input(int right, int bottom, bool landscape, bool showCanvas) {
  LayoutInput in;
  in.right = right;
  in.bottom = bottom;
  in.frameX = 3;
  in.frameY = 3;
  in.menuBarHeight = 26;
  in.unitHeight = 16;
  in.landscape = landscape;
  in.showCanvas = showCanvas;
  return in;
}

// Dialog unit height 16: buttons 24, rows 28 (step 31), button step 27, marks 12.
TEST(MainLayout, PortraitStacksEverythingOverTheCanvas) {
  const MainLayout m = computeLayout(input(240, 293, false, false));
  EXPECT_EQ(m.area.left, 3);
  EXPECT_EQ(m.area.top, 3);
  EXPECT_EQ(m.area.right, 237);
  EXPECT_EQ(m.area.bottom, 290);
  EXPECT_EQ(m.markHeight, 12);
  EXPECT_TRUE(m.canvasShown);  // whatever the setting
  expectBox(m.meaning, 3, 3, 234, 28);
  expectBox(m.reading, 3, 34, 234, 28);
  expectBox(m.hanzi, 3, 65, 234, 61);
  expectBox(m.show, 3, 129, 234, 24);
  expectBox(m.restart, 3, 129, 234, 24);
  expectBox(m.right, 3, 129, 115, 24);
  expectBox(m.wrong, 121, 129, 115, 24);
  expectBox(m.canvas, 3, 156, 234, 81);
  expectBox(m.status, 3, 240, 234, 24);
}

TEST(MainLayout, LandscapeWithoutCanvasGivesTheHanziTheRest) {
  const MainLayout m = computeLayout(input(320, 213, true, false));
  EXPECT_FALSE(m.canvasShown);
  expectBox(m.meaning, 3, 3, 314, 28);
  expectBox(m.reading, 3, 34, 314, 28);
  expectBox(m.hanzi, 3, 65, 314, 62);
  expectBox(m.show, 3, 156, 314, 24);
  expectBox(m.right, 3, 156, 155, 24);
  expectBox(m.wrong, 161, 156, 155, 24);
  expectBox(m.status, 3, 183, 314, 27);
}

TEST(MainLayout, LandscapeWithCanvasPutsItInTheRightColumn) {
  const MainLayout m = computeLayout(input(320, 213, true, true));
  EXPECT_TRUE(m.canvasShown);
  expectBox(m.meaning, 3, 3, 155, 28);
  expectBox(m.reading, 3, 34, 155, 28);
  expectBox(m.hanzi, 3, 65, 155, 62);
  expectBox(m.show, 3, 156, 155, 24);
  expectBox(m.restart, 3, 156, 155, 24);
  expectBox(m.right, 3, 156, 76, 24);
  expectBox(m.wrong, 82, 156, 76, 24);
  expectBox(m.canvas, 161, 3, 155, 151);
  expectBox(m.status, 3, 183, 314, 27);
}

// Unequal frame sizes (2 across, 5 down): buttons 24, rows 28 (step 33),
// button step 29; gaps between columns are 2, between rows 5.
TEST(MainLayout, FrameWidthSeparatesColumnsAndFrameHeightRows) {
  LayoutInput in = input(240, 320, false, true);
  in.frameX = 2;
  in.frameY = 5;
  MainLayout m = computeLayout(in);
  EXPECT_EQ(m.area.left, 2);
  EXPECT_EQ(m.area.top, 5);
  EXPECT_EQ(m.area.right, 238);
  EXPECT_EQ(m.area.bottom, 315);
  expectBox(m.meaning, 2, 5, 236, 28);
  expectBox(m.reading, 2, 38, 236, 28);
  expectBox(m.hanzi, 2, 71, 236, 61);
  expectBox(m.show, 2, 137, 236, 24);
  expectBox(m.right, 2, 137, 117, 24);
  expectBox(m.wrong, 121, 137, 117, 24);
  expectBox(m.canvas, 2, 166, 236, 94);
  expectBox(m.status, 2, 265, 236, 24);

  in = input(320, 214, true, true);
  in.frameX = 2;
  in.frameY = 5;
  m = computeLayout(in);
  expectBox(m.meaning, 2, 5, 157, 28);
  expectBox(m.hanzi, 2, 71, 157, 49);
  expectBox(m.show, 2, 151, 157, 24);
  expectBox(m.right, 2, 151, 77, 24);
  expectBox(m.wrong, 81, 151, 77, 24);
  expectBox(m.canvas, 161, 5, 157, 144);
  expectBox(m.status, 2, 180, 316, 29);
}

TEST(MainLayout, RowHeightsTruncate) {
  LayoutInput in = input(240, 293, false, true);
  in.unitHeight = 13;  // buttons 19, rows 22, marks 9
  const MainLayout m = computeLayout(in);
  EXPECT_EQ(m.markHeight, 9);
  expectBox(m.meaning, 3, 3, 234, 22);
  expectBox(m.hanzi, 3, 53, 234, 47);  // 7 * 22 / 4 + 9
  expectBox(m.show, 3, 103, 234, 19);
}

TEST(MainLayout, EdgesAreSixteenBitsAndNeverCross) {
  LayoutInput in = input(65536 + 240, 65536 + 293, false, true);
  EXPECT_EQ(computeLayout(in).area.right, 237);
  EXPECT_EQ(computeLayout(in).area.bottom, 290);
  in = input(2, 2, false, true);
  const MainLayout tiny = computeLayout(in);
  EXPECT_EQ(tiny.area.right, 0);
  EXPECT_EQ(tiny.area.left, 0);
  EXPECT_EQ(tiny.area.top, 0);
}

}  // namespace
}  // namespace morvane
