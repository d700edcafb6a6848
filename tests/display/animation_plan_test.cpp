// The stroke animation's timings and cell rectangles, in place and in the popup.
#include "strokes/animation_plan.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace morvane {
namespace {

using Cells = std::vector<std::pair<int, int>>;

CellPath* PathOf(const Cells& cells) {
  auto* path = new CellPath;
  for (const auto& [x, y] : cells) path->AddCell(x, y);
  return path;
}

StrokeCell Cell(int32_t x, int32_t y) {
  StrokeCell cell;
  cell.x = x;
  cell.y = y;
  return cell;
}

std::vector<uint32_t> Pauses(const AnimationPlan& plan) {
  std::vector<uint32_t> pauses;
  for (const AnimationStep& step : plan) pauses.push_back(step.pause);
  return pauses;
}

int Painted(const AnimationPlan& plan) {
  int n = 0;
  for (const AnimationStep& step : plan) n += step.paints;
  return n;
}

TEST(InPlaceCells, AtScaleTwoACellCoversTwoByTwoPixels) {
  const CellRect glyph{0, 0, 32, 32};
  const GridScale scale = inPlaceScale(glyph);
  EXPECT_FLOAT_EQ(scale.sx, 2.0f);
  EXPECT_FLOAT_EQ(scale.sy, 2.0f);
  EXPECT_EQ(inPlaceCell(Cell(1, 0), scale, glyph), (CellRect{2, 0, 4, 2}));
  EXPECT_EQ(inPlaceCell(Cell(15, 15), scale, glyph), (CellRect{30, 30, 32, 32}));
}

TEST(InPlaceCells, AtScaleOneAndAHalfEdgesAreRoundedUpSoNoGapIsLeft) {
  const CellRect glyph{0, 0, 24, 24};
  const GridScale scale = inPlaceScale(glyph);
  EXPECT_FLOAT_EQ(scale.sx, 1.5f);
  EXPECT_EQ(inPlaceCell(Cell(1, 0), scale, glyph), (CellRect{1, 0, 3, 2}));
  EXPECT_EQ(inPlaceCell(Cell(2, 3), scale, glyph), (CellRect{3, 4, 5, 6}));
  EXPECT_EQ(inPlaceCell(Cell(15, 15), scale, glyph), (CellRect{22, 22, 24, 24}));
}

TEST(InPlaceCells, TheGridCoversTheWholeGlyphOfALargerFont) {
  // A 24-pixel font drawn at scale 2: 48 pixels, three per grid cell.
  const CellRect glyph{10, 5, 58, 53};
  const GridScale scale = inPlaceScale(glyph);
  EXPECT_FLOAT_EQ(scale.sx, 3.0f);
  EXPECT_EQ(inPlaceCell(Cell(0, 0), scale, glyph), (CellRect{10, 5, 13, 8}));
  EXPECT_EQ(inPlaceCell(Cell(15, 15), scale, glyph), (CellRect{55, 50, 58, 53}));
}

TEST(InPlaceCells, FollowTheGlyphWhenItIsScrolledPartlyOffTheLeft) {
  const CellRect glyph{-10, 3, 22, 35};
  EXPECT_EQ(inPlaceCell(Cell(1, 1), inPlaceScale(glyph), glyph), (CellRect{-8, 5, -5, 7}));
}

TEST(InPlaceCells, SizesCanDifferAcrossAndDown) {
  const CellRect glyph{0, 0, 32, 24};
  const GridScale scale = inPlaceScale(glyph);
  EXPECT_EQ(inPlaceCell(Cell(3, 3), scale, glyph), (CellRect{6, 4, 8, 6}));
}

TEST(InPlacePlan, PaintsEveryCellInOrderAfterTheFullDelay) {
  std::unique_ptr<CellPath> path(PathOf({{1, 0}, {0, 1}, {5, 5}}));
  const AnimationPlan plan = inPlacePlan(*path, CellRect{0, 0, 32, 32}, 64);
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(Pauses(plan), (std::vector<uint32_t>{64, 64, 64}));
  EXPECT_EQ(plan[0].cell, (CellRect{2, 0, 4, 2}));
  EXPECT_EQ(plan[1].cell, (CellRect{0, 2, 2, 4}));
  EXPECT_EQ(plan[2].cell, (CellRect{10, 10, 12, 12}));
  EXPECT_EQ(Painted(plan), 3);
}

TEST(InPlacePlan, AnEmptyRecordPaintsNothing) {
  CellPath empty;
  EXPECT_TRUE(inPlacePlan(empty, CellRect{0, 0, 32, 32}, 64).empty());
}

TEST(PopupPlan, Delay64GivesHalfPerCellAndFifteenCellsAroundEveryStroke) {
  StrokeList strokes;
  strokes.AddStroke(PathOf({{0, 0}, {1, 0}}));
  strokes.AddStroke(PathOf({{2, 2}}));
  const uint32_t d = popupCellPause(64, true);
  EXPECT_EQ(d, 32u);
  const AnimationPlan plan = largePopupPlan(strokes, d);
  EXPECT_EQ(Pauses(plan), (std::vector<uint32_t>{480, 32, 32, 480, 32, 480}));
  EXPECT_FALSE(plan[0].paints);
  EXPECT_TRUE(plan[1].paints);
  EXPECT_FALSE(plan[3].paints);
  EXPECT_FALSE(plan[5].paints);
  EXPECT_EQ(Painted(plan), 3);
}

TEST(PopupPlan, LargeCellsAreTwoPixelsInsideTheFiveMargin) {
  StrokeList strokes;
  strokes.AddStroke(PathOf({{0, 0}, {23, 23}, {1, 2}}));
  const AnimationPlan plan = largePopupPlan(strokes, 10);
  EXPECT_EQ(plan[1].cell, (CellRect{5, 5, 7, 7}));
  EXPECT_EQ(plan[2].cell, (CellRect{51, 51, 53, 53}));
  EXPECT_EQ(plan[3].cell, (CellRect{7, 9, 9, 11}));
}

TEST(PopupPlan, AnEmptyLargeRecordOnlyPausesOnce) {
  StrokeList none;
  const AnimationPlan plan = largePopupPlan(none, 32);
  EXPECT_EQ(Pauses(plan), (std::vector<uint32_t>{480}));
  EXPECT_EQ(Painted(plan), 0);
}

TEST(PopupPlan, TheSmallRecordTakesTheFullDelayThreePixelCellsAndNoStrokePauses) {
  EXPECT_EQ(popupCellPause(64, false), 64u);
  EXPECT_EQ(popupCellPause(65, true), 32u);
  std::unique_ptr<CellPath> path(PathOf({{0, 0}, {15, 15}, {3, 10}}));
  const AnimationPlan plan = smallPopupPlan(*path, 64);
  EXPECT_EQ(Pauses(plan), (std::vector<uint32_t>{64, 64, 64}));
  EXPECT_EQ(plan[0].cell, (CellRect{5, 5, 8, 8}));
  EXPECT_EQ(plan[1].cell, (CellRect{50, 50, 53, 53}));
  EXPECT_EQ(plan[2].cell, (CellRect{14, 35, 17, 38}));
}

TEST(PopupPlacement, IsCentredAcrossTheScreenTruncatingTowardZero) {
  EXPECT_EQ(popupLeft(240), 91);
  EXPECT_EQ(popupLeft(320), 131);
  EXPECT_EQ(popupLeft(241), 91);
  EXPECT_EQ(popupLeft(57), 0);
  EXPECT_EQ(popupLeft(55), -1);
}

}  // namespace
}  // namespace morvane
