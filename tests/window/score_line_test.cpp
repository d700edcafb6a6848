// The score text of the status line.
#include "app/status_area_text.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(ScoreLine, ShowsRightAnsweredPercentAndTotalPaddedToThreePlaces) {
  EXPECT_EQ(FormatScoreLine(3, 1, 25), L"  3 /   4 =  75% ( 25)");
}

TEST(ScoreLine, NoAnswerYetCountsAsAHundredPerCent) {
  EXPECT_EQ(FormatScoreLine(0, 0, 10), L"  0 /   0 = 100% ( 10)");
}

TEST(ScoreLine, PercentTruncates) {
  EXPECT_EQ(FormatScoreLine(2, 1, 3), L"  2 /   3 =  66% (  3)");
  EXPECT_EQ(FormatScoreLine(0, 7, 7), L"  0 /   7 =   0% (  7)");
}

TEST(ScoreLine, NoPassReadsDone) {
  EXPECT_EQ(FormatScoreLine(0, 0, 0), L"Done");
  EXPECT_EQ(FormatScoreLine(4, 2, 0), L"Done");
}

TEST(ScoreLine, WideNumbersAreNotCut) {
  EXPECT_EQ(FormatScoreLine(1000, 234, 5000), L"1000 / 1234 =  81% (5000)");
}

TEST(ScoreLine, HugeCountsDoNotOverflow) {
  EXPECT_EQ(FormatScoreLine(2000000000, 2000000000, 1),
            L"2000000000 / 4000000000 =  50% (  1)");
}

TEST(StatusLineBoxes, LabelTakesTheRoomAfterTheWholeScore) {
  // 234 pixels wide, indent 8, a score 150 wide: the label from 8 + 150 + 8.
  const StatusLineBoxes boxes = statusLineBoxes(234, 8, 150);
  EXPECT_EQ(boxes.scoreLeft, 8);
  EXPECT_EQ(boxes.labelLeft, 166);
  EXPECT_EQ(boxes.labelRight, 226);
}

TEST(StatusLineBoxes, AScoreThatFillsTheLineLeavesTheLabelNoRoom) {
  const StatusLineBoxes full = statusLineBoxes(100, 6, 88);
  EXPECT_EQ(full.labelLeft, 94);
  EXPECT_EQ(full.labelRight, 94);
  const StatusLineBoxes wider = statusLineBoxes(100, 6, 120);
  EXPECT_EQ(wider.labelLeft, 94);
  // One pixel less score, one pixel of label.
  EXPECT_EQ(statusLineBoxes(100, 6, 81).labelLeft, 93);
}

}  // namespace
}  // namespace morvane
