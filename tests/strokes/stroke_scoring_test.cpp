// Direction codes, code distances and stroke scores, with the worked values
// of the sector bounds (0.3932375, not pi / 8) and the short-segment rule.
#include <gtest/gtest.h>

#include "stroke_test_support.h"
#include "strokes/stroke_scoring.h"

namespace morvane::test {
namespace {

int code(int dx, int dy) { return directionCode(100, 100, 100 + dx, 100 + dy); }

TEST(DirectionCode, EightDirectionsClockwiseFromUp) {
  EXPECT_EQ(code(0, -10), 0);
  EXPECT_EQ(code(10, -10), 2);
  EXPECT_EQ(code(10, 0), 4);
  EXPECT_EQ(code(10, 10), 6);
  EXPECT_EQ(code(0, 10), 8);
  EXPECT_EQ(code(-10, 10), 10);
  EXPECT_EQ(code(-10, 0), 12);
  EXPECT_EQ(code(-10, -10), 14);
}

// Each pair lies just inside one side of a bound; the first of each pair lies
// between k * pi / 8 and k * 0.3932375, where pi / 8 would give the next code.
TEST(DirectionCode, BoundsBelongToTheSectorBelowThem) {
  EXPECT_EQ(code(41, 17), 4);    // 0.39306
  EXPECT_EQ(code(12, 5), 6);     // 0.39479
  EXPECT_EQ(code(12, 29), 6);    // 1.17846
  EXPECT_EQ(code(7, 17), 8);     // 1.18019
  EXPECT_EQ(code(-5, 12), 8);    // 1.96559
  EXPECT_EQ(code(-13, 31), 10);  // 1.96788
  EXPECT_EQ(code(-17, 7), 10);   // 2.75099
  EXPECT_EQ(code(-22, 9), 12);   // 2.75327
}

TEST(DirectionCode, NegativeBoundsBelongToTheSectorBelowThem) {
  EXPECT_EQ(code(41, -17), 4);    // -0.39306
  EXPECT_EQ(code(12, -5), 2);     // -0.39479
  EXPECT_EQ(code(12, -29), 2);    // -1.17846
  EXPECT_EQ(code(7, -17), 0);     // -1.18019
  EXPECT_EQ(code(-5, -12), 0);    // -1.96559
  EXPECT_EQ(code(-13, -31), 14);  // -1.96788
  EXPECT_EQ(code(-17, -7), 14);   // -2.75099
  EXPECT_EQ(code(-22, -9), 12);   // -2.75327
}

TEST(DirectionCode, SegmentsShorterThan5PixelsAddOne) {
  EXPECT_EQ(code(0, 0), 5);
  EXPECT_EQ(code(4, 0), 5);
  EXPECT_EQ(code(5, 0), 4);
  EXPECT_EQ(code(2, 4), 7);   // 20 < 25
  EXPECT_EQ(code(3, 4), 6);   // exactly 5 long
  EXPECT_EQ(code(0, -4), 1);
  EXPECT_EQ(code(-3, -3), 15);
}

TEST(CodeDistance, SameOrNeighbouringCodesCostNothing) {
  EXPECT_EQ(codeDistance(4, 4), 0);
  EXPECT_EQ(codeDistance(5, 4), 0);
  EXPECT_EQ(codeDistance(4, 5), 0);
  EXPECT_EQ(codeDistance(15, 0), 0);
  EXPECT_EQ(codeDistance(0, 15), 0);
}

TEST(CodeDistance, FortyFiveDegreesCostsOne) {
  EXPECT_EQ(codeDistance(4, 6), 1);
  EXPECT_EQ(codeDistance(6, 4), 1);
  EXPECT_EQ(codeDistance(0, 14), 1);
  EXPECT_EQ(codeDistance(15, 1), 1);
}

TEST(CodeDistance, RoughlyOppositeCostsThreeAndTheRestTwo) {
  for (int k = 6; k <= 10; ++k) EXPECT_EQ(codeDistance(0, k), 3) << k;
  for (int k = 6; k <= 10; ++k) EXPECT_EQ(codeDistance(12, (12 + k) % 16), 3) << k;
  EXPECT_EQ(codeDistance(0, 3), 2);
  EXPECT_EQ(codeDistance(0, 5), 2);
  EXPECT_EQ(codeDistance(0, 11), 2);
  EXPECT_EQ(codeDistance(0, 13), 2);
  EXPECT_EQ(codeDistance(4, 0), 2);
}

FeedbackRecord recordOf(int first, int second, int chord) {
  FeedbackRecord r;
  r.firstHalf = static_cast<DirectionCode>(first);
  r.secondHalf = static_cast<DirectionCode>(second);
  r.chord = static_cast<DirectionCode>(chord);
  return r;
}

TEST(StrokeCodes, ATapIsShortRightThreeTimes) {
  const FeedbackRecord codes = strokeCodes(strokeOf({{40, 40}}));
  EXPECT_EQ(codes.firstHalf, 5);
  EXPECT_EQ(codes.secondHalf, 5);
  EXPECT_EQ(codes.chord, 5);
}

TEST(StrokeCodes, TheMiddlePointIsPointCountHalvedRoundedDown) {
  // Four points: the middle is point 2, (20, 20).
  const FeedbackRecord codes = strokeCodes(strokeOf({{0, 0}, {0, 20}, {20, 20}, {20, 40}}));
  EXPECT_EQ(codes.firstHalf, 6);
  EXPECT_EQ(codes.secondHalf, 8);
  EXPECT_EQ(codes.chord, 6);
  // Two points: the middle is the end.
  const FeedbackRecord two = strokeCodes(strokeOf({{0, 0}, {30, 0}}));
  EXPECT_EQ(two.firstHalf, 4);
  EXPECT_EQ(two.secondHalf, 5);
}

TEST(ScoreStroke, AHorizontalStrokeAgainstNearRecords) {
  const PointList stroke = strokeOf({{10, 50}, {35, 50}, {60, 50}});
  EXPECT_EQ(scoreStroke(stroke, recordOf(4, 4, 4)), 0);
  EXPECT_EQ(scoreStroke(stroke, recordOf(5, 4, 4)), 0);
  EXPECT_EQ(scoreStroke(stroke, recordOf(0, 4, 4)), 0);  // distance 2, total 2
}

TEST(ScoreStroke, TotalsAreDividedByThree) {
  const PointList stroke = strokeOf({{10, 50}, {35, 50}, {60, 50}});
  EXPECT_EQ(scoreStroke(stroke, recordOf(6, 6, 6)), 1);   // 1, 1, 1
  EXPECT_EQ(scoreStroke(stroke, recordOf(6, 6, 4)), 0);   // 1, 1, 0
  EXPECT_EQ(scoreStroke(stroke, recordOf(0, 0, 4)), 1);   // 2, 2, 0
  EXPECT_EQ(scoreStroke(stroke, recordOf(0, 0, 0)), 2);   // 2, 2, 2
  EXPECT_EQ(scoreStroke(stroke, recordOf(12, 12, 0)), 2);  // 3, 3, 2
}

TEST(ScoreStroke, ABackwardsStrokeScoresThree) {
  const PointList backwards = strokeOf({{60, 50}, {35, 50}, {10, 50}});
  EXPECT_EQ(scoreStroke(backwards, recordOf(4, 4, 4)), 3);
}

TEST(ScoreStroke, NoPointsScoresTwo) {
  EXPECT_EQ(scoreStroke(PointList(), recordOf(4, 4, 4)), 2);
}

TEST(JudgementColor, BlackBlueRed) {
  EXPECT_EQ(judgementColor(0), 0x000000u);
  EXPECT_EQ(judgementColor(1), 0xFF0000u);  // RGB(0, 0, 255)
  EXPECT_EQ(judgementColor(2), 0x0000FFu);  // RGB(255, 0, 0)
  EXPECT_EQ(judgementColor(3), 0x0000FFu);
}

}  // namespace
}  // namespace morvane::test
