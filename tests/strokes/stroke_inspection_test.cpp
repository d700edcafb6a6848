// The inspector's strokes and judge reports over hand-made databases: the
// JSON shapes, null for what cannot be read, [] for empty records.
#include "stroke_inspection.h"

#include <gtest/gtest.h>

#include "stroke_test_support.h"

namespace morvane::test {
namespace {

class StrokeInspectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.write(kSimplifiedDatabases.small, indexBytes({{0xB0A1, 0}, {0xB0A2, 3}, {0xB0A3, 4}}),
                 bytes({2, 0x3A, 0x01, 0, 9}));
    folder.write(kSimplifiedDatabases.large, indexBytes({{0xB0A1, 0}}),
                 bytes({2, 1, 23, 4, 2, 0, 0, 1, 1}));
    folder.write(kSimplifiedDatabases.feedback, indexBytes({{0xB0A1, 0}, {0xB0A2, 9}}),
                 bytes({2, 8, 8, 8, 0, 4, 6, 5, 0, 0}));
  }
  DatabaseFolder folder;
};

TEST_F(StrokeInspectionTest, JsonHoldsEachRecordOrNull) {
  EXPECT_EQ(inspectStrokeRecords(folder.folders(), kSimplifiedDatabases,
                                 {0xB0A1, 0xB0A2, 0xB0A3, 0xC4E3}, true),
            "{\"b0a1\": {\"small\": [[3, 10], [0, 1]], \"large\": [[[23, 4]], [[0, 0], [1, 1]]], "
            "\"feedback\": [[8, 8, 8], [4, 6, 5]]},\n"
            " \"b0a2\": {\"small\": [], \"large\": null, \"feedback\": []},\n"
            " \"b0a3\": {\"small\": null, \"large\": null, \"feedback\": null},\n"
            " \"c4e3\": {\"small\": null, \"large\": null, \"feedback\": null}}\n");
}

TEST_F(StrokeInspectionTest, TextNumbersCellsInPaintingOrder) {
  const std::string text =
      inspectStrokeRecords(folder.folders(), kSimplifiedDatabases, {0xB0A1}, false);
  EXPECT_NE(text.find("small record (strokeschs, 16 x 16): 2 cells"), std::string::npos);
  // Row 1 of the small grid holds cell 2 in column 0; row 10 holds cell 1 in column 3.
  EXPECT_NE(text.find("\n      .   .   .   .   .   .   .   .   .   .   .   .   .   .   .   .\n"
                      "      2   .   ."),
            std::string::npos);
  EXPECT_NE(text.find("\n      .   .   .   1   .   ."), std::string::npos);
  EXPECT_NE(text.find("stroke 2: 2 cells"), std::string::npos);
  EXPECT_NE(text.find("stroke 2: 4, 6, 5"), std::string::npos);
}

TEST_F(StrokeInspectionTest, JudgementGivesCodesScoreAndColour) {
  const PointList down = strokeOf({{50, 10}, {50, 40}, {50, 70}});
  EXPECT_EQ(inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xB0A1}, 0, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 0, \"color\": \"black\"}\n");
  EXPECT_EQ(inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xB0A1}, 1, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 1, \"color\": \"blue\"}\n");
  EXPECT_EQ(inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xB0A1}, 2, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 2, \"color\": \"red\"}\n");
  EXPECT_EQ(
      inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xB0A1}, 0, PointList(), true),
      "{\"codes\": [], \"score\": 2, \"color\": \"red\"}\n");
  EXPECT_EQ(inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xC4E3}, 0, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 0, \"color\": \"black\"}\n");
}

// The traditional databases are other files, keyed by Big5 codes: 中 is
// a4a4 there, a code the simplified files never hold.
TEST_F(StrokeInspectionTest, TraditionalDatabasesAreReadUnderTheirOwnNames) {
  folder.write(kTraditionalDatabases.small, indexBytes({{0xA4A4, 0}}), bytes({1, 0x3A}));
  folder.write(kTraditionalDatabases.feedback, indexBytes({{0xA4A4, 0}}), bytes({1, 8, 8, 8, 0}));
  EXPECT_EQ(inspectStrokeRecords(folder.folders(), kTraditionalDatabases, {0xA4A4, 0xB0A1}, true),
            "{\"a4a4\": {\"small\": [[3, 10]], \"large\": null, \"feedback\": [[8, 8, 8]]},\n"
            " \"b0a1\": {\"small\": null, \"large\": null, \"feedback\": null}}\n");
  const std::string text =
      inspectStrokeRecords(folder.folders(), kTraditionalDatabases, {0xA4A4}, false);
  EXPECT_NE(text.find("small record (strokescht, 16 x 16): 1 cells"), std::string::npos);
  EXPECT_NE(text.find("large record (lgstrokescht): not found"), std::string::npos);
  EXPECT_NE(text.find("feedback record (feedbkcht): 1 strokes"), std::string::npos);
  const PointList down = strokeOf({{50, 10}, {50, 40}, {50, 70}});
  EXPECT_EQ(inspectJudgement(folder.folders(), kTraditionalDatabases, {0xA4A4}, 1, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 2, \"color\": \"red\"}\n");
  EXPECT_EQ(inspectJudgement(folder.folders(), kSimplifiedDatabases, {0xA4A4}, 1, down, true),
            "{\"codes\": [8, 8, 8], \"score\": 0, \"color\": \"black\"}\n");
}

}  // namespace
}  // namespace morvane::test
