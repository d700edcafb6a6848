// Stroke recording lists: growth keeps every point, freed entries are reused.
#include "strokes/stroke_lists.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(PointList, GrowsByItsStepAndKeepsThePoints) {
  PointList points;
  for (int32_t i = 0; i < 65; ++i) points.Append({i, -i});
  EXPECT_EQ(points.count, 65);
  EXPECT_EQ(points.capacity, 128);
  for (int32_t i = 0; i < 65; ++i) {
    EXPECT_EQ(points[i].x, i);
    EXPECT_EQ(points[i].y, -i);
  }
}

TEST(StrokeArray, TheSixtyFifthStrokeGrowsTheArrayAndKeepsEveryStroke) {
  StrokeArray strokes;
  for (int32_t s = 0; s < 65; ++s) {
    PointList& stroke = strokes.StartStroke({s, 0});
    for (int32_t p = 1; p <= s % 5; ++p) stroke.Append({s, p});
  }
  EXPECT_EQ(strokes.count, 65);
  EXPECT_EQ(strokes.capacity, 128);
  for (int32_t s = 0; s < 65; ++s) {
    ASSERT_EQ(strokes[s].count, 1 + s % 5) << "stroke " << s;
    for (int32_t p = 0; p < strokes[s].count; ++p) {
      EXPECT_EQ(strokes[s][p].x, s);
      EXPECT_EQ(strokes[s][p].y, p);
    }
  }
}

TEST(StrokeArray, AStrokeAfterUndoReusesTheEntryAndStartsEmpty) {
  StrokeArray strokes;
  strokes.StartStroke({1, 1});
  PointList& long_stroke = strokes.StartStroke({2, 2});
  for (int32_t i = 0; i < 100; ++i) long_stroke.Append({i, i});
  const Point* block = long_stroke.items;
  const int32_t grownCapacity = long_stroke.capacity;

  strokes.RemoveLast();
  PointList& next = strokes.StartStroke({7, 8});
  EXPECT_EQ(strokes.count, 2);
  EXPECT_EQ(&next, &strokes[1]);
  EXPECT_EQ(next.items, block);
  EXPECT_EQ(next.capacity, grownCapacity);
  ASSERT_EQ(next.count, 1);
  EXPECT_EQ(next[0].x, 7);
  EXPECT_EQ(next[0].y, 8);
}

TEST(StrokeArray, ClearKeepsEntriesForReuseAndGrowthKeepsFreedBlocks) {
  StrokeArray strokes;
  for (int32_t s = 0; s < 64; ++s) strokes.StartStroke({s, s});
  const Point* firstBlock = strokes[0].items;
  strokes.Clear();
  EXPECT_EQ(strokes.count, 0);
  EXPECT_EQ(strokes.LastStroke(), nullptr);
  EXPECT_EQ(strokes.StartStroke({5, 5}).items, firstBlock);
  EXPECT_EQ(strokes.LastStroke(), &strokes[0]);
}

TEST(StrokeArray, UndoOnNoStrokeRemovesNothing) {
  StrokeArray strokes;
  strokes.RemoveLast();
  EXPECT_EQ(strokes.count, 0);
  strokes.StartStroke({0, 0});
  EXPECT_EQ(strokes.count, 1);
}

TEST(ColorList, GrowsAndKeepsColoursInStrokeOrder) {
  ColorList colors;
  for (uint32_t i = 0; i < 70; ++i) colors.Append(i * 3);
  colors.RemoveLast();
  EXPECT_EQ(colors.count, 69);
  EXPECT_EQ(colors.capacity, 128);
  EXPECT_EQ(colors[68], 68u * 3);
}

}  // namespace
}  // namespace morvane
