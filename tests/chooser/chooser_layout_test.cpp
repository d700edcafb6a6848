// The chooser's layout arithmetic, pinned with worked values.
#include "chooser/chooser_layout.h"

#include <gtest/gtest.h>

namespace morvane {

bool operator==(const LayoutBox& a, const LayoutBox& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

void PrintTo(const LayoutBox& r, std::ostream* out) {
  *out << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}

namespace {

TEST(CentredOver, HalvesTheDifferenceRoundingTowardZero) {
  EXPECT_EQ(centredOver({0, 0, 240, 320}, 231, 212), (LayoutBox{4, 54, 231, 212}));
  // A dialog wider than its owner: -31 / 2 is -15, not -16.
  EXPECT_EQ(centredOver({-10, 5, 200, 100}, 231, 100), (LayoutBox{-25, 5, 231, 100}));
}

class ChooserLayoutTest : public testing::Test {
 protected:
  // A 231 x 212 dialog, base unit 16, frame 3 x 3, caption 19: client 225 x 187.
  ChooserLayout layout{231, 212, 16, 3, 3, 19};
};

TEST_F(ChooserLayoutTest, ClientAreaLeavesOutFramesAndCaption) {
  EXPECT_EQ(layout.clientWidth(), 225);
  EXPECT_EQ(layout.clientHeight(), 187);
}

TEST_F(ChooserLayoutTest, FolderComboLeavesSevenQuarterBaseUnitsBelowItsList) {
  // 16 x 1.75 = 28; 225 / 4 + 1 = 57; 225 x 3 / 4 - 1 = 167.
  EXPECT_EQ(layout.folderCombo(), (LayoutBox{57, 0, 167, 157}));
  EXPECT_EQ(ChooserLayout(231, 212, 13, 3, 3, 19).folderCombo().height, 187 - 22 - 2);
}

TEST_F(ChooserLayoutTest, LabelsAndTypeComboFollowTheMeasuredHeights) {
  EXPECT_EQ(layout.folderLabel(21), (LayoutBox{0, 0, 55, 21}));
  EXPECT_EQ(layout.typeCombo(21), (LayoutBox{57, 23, 167, 141}));
  EXPECT_EQ(layout.typeLabel(20), (LayoutBox{0, 22, 55, 20}));
}

TEST_F(ChooserLayoutTest, HeadersAreTwoThirdsOfAComboAndTheListFillsTheRest) {
  // 2 x 20 / 3 = 13.
  EXPECT_EQ(layout.fileHeader(20), (LayoutBox{0, 44, 112, 13}));
  EXPECT_EQ(layout.folderHeader(20), (LayoutBox{112, 44, 112, 13}));
  EXPECT_EQ(layout.fileList(20), (LayoutBox{0, 57, 225, 130}));
}

}  // namespace
}  // namespace morvane
