// The stroke-data builder: its outline, grid and median arithmetic on small
// worked cases, and the whole build from the stroke data package, read back
// through the trainer's lookups.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "cell_raster.h"
#include "character_strokes.h"
#include "median_path.h"
#include "platform/utf8.h"
#include "stroke_databases.h"
#include "stroke_test_support.h"
#include "strokes/feedback_database.h"
#include "svg_outline.h"

namespace morvane::test {
namespace {

using namespace morvane::strokebuild;

std::vector<std::pair<int, int>> pairsOf(const std::vector<GridCell>& cells) {
  std::vector<std::pair<int, int>> out;
  for (const GridCell& c : cells) out.emplace_back(c.x, c.y);
  return out;
}

TEST(SvgOutline, CommandsBecomePointsWithTheirKinds) {
  Outline outline;
  std::string error;
  ASSERT_TRUE(parseSvgOutline("M 0 0 L 10 0 Q 10 10 5 10 C 4 10 0 8 0 5 Z M 1,1 2,1 2,2 Z", outline,
                              error));
  ASSERT_EQ(outline.points.size(), 10u);
  EXPECT_EQ(outline.points[2].kind, OutlinePoint::Conic);
  EXPECT_EQ(outline.points[3].kind, OutlinePoint::OnCurve);
  EXPECT_EQ(outline.points[4].kind, OutlinePoint::Cubic);
  EXPECT_EQ(outline.points[5].kind, OutlinePoint::Cubic);
  EXPECT_DOUBLE_EQ(outline.points[6].y, 5);
  EXPECT_EQ(outline.contourEnds, (std::vector<int>{6, 9}));
}

TEST(SvgOutline, AClosingPointEqualToTheStartIsDropped) {
  Outline outline;
  std::string error;
  ASSERT_TRUE(parseSvgOutline("M 0 0 L 10 0 L 10 10 L 0 0 Z", outline, error));
  EXPECT_EQ(outline.points.size(), 3u);
  EXPECT_EQ(outline.contourEnds, (std::vector<int>{2}));
}

TEST(SvgOutline, RejectsWhatItCannotDraw) {
  Outline outline;
  std::string error;
  EXPECT_FALSE(parseSvgOutline("M 0 0 A 1 1 0 0 0 5 5 Z", outline, error));
  EXPECT_FALSE(parseSvgOutline("L 1 1", outline, error));
  EXPECT_FALSE(parseSvgOutline("M 0 0 Q 1 1 Z", outline, error));
  EXPECT_FALSE(parseSvgOutline("5 5", outline, error));
}

// A square of source units (left, top, right, bottom, y down from the top).
Outline squareOutline(double left, double top, double right, double bottom) {
  Outline outline;
  std::string error;
  auto y = [](double down) { return std::to_string(kSourceTop - down); };
  const std::string path = "M " + std::to_string(left) + " " + y(top) + " L " +
                           std::to_string(right) + " " + y(top) + " L " + std::to_string(right) +
                           " " + y(bottom) + " L " + std::to_string(left) + " " + y(bottom) + " Z";
  EXPECT_TRUE(parseSvgOutline(path, outline, error)) << error;
  return outline;
}

TEST(CellRaster, ASquareFillsExactlyItsCells) {
  CellRasterizer rasterizer;
  // On the 16-cell grid one cell is 64 units: columns 2..3 of row 3.
  EXPECT_EQ(pairsOf(rasterizer.cover(squareOutline(128, 192, 256, 256), 16)),
            (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}}));
  // Half a cell more to the right is not more than half of column 4... it is exactly half.
  EXPECT_EQ(pairsOf(rasterizer.cover(squareOutline(128, 192, 288, 256), 16)),
            (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}, {4, 3}}));
  EXPECT_EQ(pairsOf(rasterizer.cover(squareOutline(128, 192, 280, 256), 16)),
            (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}}));
}

TEST(CellRaster, AThinOutlineKeepsItsMostCoveredCells) {
  CellRasterizer rasterizer;
  // A quarter of a cell wide, inside column 5.
  EXPECT_EQ(pairsOf(rasterizer.cover(squareOutline(330, 0, 346, 64), 16)),
            (std::vector<std::pair<int, int>>{{5, 0}}));
}

TEST(MedianPath, CellsAreOrderedFromTheMediansStart) {
  // A median from right to left along row 2 of the 16-cell grid.
  const Median median = {{900, kSourceTop - 160}, {100, kSourceTop - 160}};
  const std::vector<GridCell> cells = {{3, 2}, {10, 2}, {5, 2}, {12, 2}};
  EXPECT_EQ(pairsOf(orderAlongMedian(cells, median, 16)),
            (std::vector<std::pair<int, int>>{{12, 2}, {10, 2}, {5, 2}, {3, 2}}));
  EXPECT_EQ(pairsOf(medianCells({{100, kSourceTop - 160}, {300, kSourceTop - 160}}, 16)),
            (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
}

TEST(MedianPath, AnEvenTraceHasItsMiddlePointHalfwayAlong) {
  // An L: 300 units down, then 100 right; halfway is 200 units down the first leg.
  const Median median = {{0, kSourceTop}, {0, kSourceTop - 300}, {100, kSourceTop - 300}};
  const PointList trace = evenTrace(median, 5, 1024);
  ASSERT_EQ(trace.Count(), 5);
  EXPECT_EQ(trace[0].y, 0);
  EXPECT_EQ(trace[2].x, 0);
  EXPECT_EQ(trace[2].y, 200);
  EXPECT_EQ(trace[4].x, 100);
  EXPECT_EQ(trace[4].y, 300);
  // At 160 pixels high the same stroke ends at (15.6, 46.9), rounded.
  const PointList small = evenTrace(median, 5, 160);
  EXPECT_EQ(small[4].x, 16);
  EXPECT_EQ(small[4].y, 47);
}

TEST(FeedbackRecord, TheCodesOfTheHalvesAndTheChord) {
  const FeedbackRecord r =
      feedbackFor({{0, kSourceTop}, {0, kSourceTop - 300}, {100, kSourceTop - 300}});
  EXPECT_EQ(r.firstHalf, 8);
  EXPECT_EQ(r.secondHalf, 6);  // from (0, 200) to (100, 300) in source units
  EXPECT_EQ(r.chord, 8);       // atan2(300, 100) = 1.249
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The whole build, once for the suite (a few seconds).
class StrokeBuildTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out = new ScratchDir;
    std::string error;
    summary = new BuildSummary;
    built = buildStrokeDatabases(MORVANE_STROKE_SOURCE, out->root().string(), gb2312Hanzi(),
                                 kSimplifiedDatabases, *summary, error);
    EXPECT_TRUE(built) << error;
  }
  static void TearDownTestSuite() {
    delete out;
    delete summary;
  }
  FolderList folders() const { return {out->root().wstring()}; }
  static ScratchDir* out;
  static BuildSummary* summary;
  static bool built;
};

ScratchDir* StrokeBuildTest::out = nullptr;
BuildSummary* StrokeBuildTest::summary = nullptr;
bool StrokeBuildTest::built = false;

// Each character: all three records, as many strokes as the source has, and
// feedback that scores 0 against an even trace of each stroke's median.
TEST_F(StrokeBuildTest, EveryGb2312HanziIsInAllThreeDatabasesAndJudgesItsOwnMedians) {
  ASSERT_TRUE(built);
  const std::vector<HanziCode> hanzi = gb2312Hanzi();
  ASSERT_EQ(hanzi.size(), 6763u);
  EXPECT_EQ(summary->characters, 6763);
  EXPECT_TRUE(summary->missing.empty());
  for (const HanziCode& c : hanzi) {
    CharacterStrokes source;
    std::string error;
    ASSERT_TRUE(parseCharacterStrokes(readText(characterFile(MORVANE_STROKE_SOURCE, c.codePoint)),
                                      source, error));
    const size_t strokes = source.outlines.size();
    auto small = loadCellPath(folders(), kSimplifiedDatabases.small, c.code);
    auto large = loadStrokeList(folders(), kSimplifiedDatabases.large, c.code);
    auto at = locateRecord(folders(), kSimplifiedDatabases.feedback, c.code);
    ASSERT_TRUE(small && large && at) << std::hex << c.code;
    auto feedback = readFeedbackRecords(*at->data, at->offset);
    ASSERT_TRUE(feedback) << std::hex << c.code;
    ASSERT_EQ(static_cast<size_t>(large->Count()), strokes) << std::hex << c.code;
    ASSERT_EQ(feedback->size(), strokes) << std::hex << c.code;
    EXPECT_GT(small->Count(), 0) << std::hex << c.code;
    for (size_t s = 0; s < strokes; ++s) {
      EXPECT_GT(large->Stroke(static_cast<int32_t>(s))->Count(), 0) << std::hex << c.code;
      // Another odd number of points than the builder's: the same start, middle and end.
      const PointList trace = evenTrace(source.medians[s], 65, kCanvasHeight);
      EXPECT_EQ(scoreStroke(trace, (*feedback)[s]), 0) << std::hex << c.code << " stroke " << s;
    }
  }
}

TEST_F(StrokeBuildTest, RecordsReadBackAsTheyWereDrawn) {
  ASSERT_TRUE(built);
  CharacterStrokes strokes;
  std::string error;
  ASSERT_TRUE(parseCharacterStrokes(readText(characterFile(MORVANE_STROKE_SOURCE, 0x554A)), strokes,
                                    error));
  CellRasterizer rasterizer;
  CharacterRecords drawn;
  ASSERT_TRUE(buildCharacterRecords(strokes, rasterizer, drawn, error));
  auto large = loadStrokeList(folders(), kSimplifiedDatabases.large, 0xB0A1);  // 啊
  auto small = loadCellPath(folders(), kSimplifiedDatabases.small, 0xB0A1);
  ASSERT_TRUE(large && small);
  ASSERT_EQ(large->Count(), 10);
  ASSERT_EQ(small->Count(), drawn.small->Count());
  for (int32_t i = 0; i < small->Count(); ++i) {
    EXPECT_EQ(small->Cell(i)->x, drawn.small->Cell(i)->x);
    EXPECT_EQ(small->Cell(i)->y, drawn.small->Cell(i)->y);
  }
  for (int32_t s = 0; s < large->Count(); ++s) {
    ASSERT_EQ(large->Stroke(s)->Count(), drawn.large->Stroke(s)->Count());
    for (int32_t i = 0; i < large->Stroke(s)->Count(); ++i) {
      EXPECT_EQ(large->Stroke(s)->Cell(i)->x, drawn.large->Stroke(s)->Cell(i)->x);
      EXPECT_EQ(large->Stroke(s)->Cell(i)->y, drawn.large->Stroke(s)->Cell(i)->y);
    }
  }
}

TEST_F(StrokeBuildTest, TheSmallPathPaintsEachCellOnceAndStrokesGoFromStartToEnd) {
  ASSERT_TRUE(built);
  auto small =
      loadCellPath(folders(), kSimplifiedDatabases.small, 0xD2BB);  // 一, one stroke left to right
  auto large = loadStrokeList(folders(), kSimplifiedDatabases.large, 0xD2BB);
  ASSERT_TRUE(small && large);
  ASSERT_EQ(large->Count(), 1);
  const CellPath& stroke = *large->Stroke(0);
  EXPECT_LT(stroke.Cell(0)->x, stroke.Cell(stroke.Count() - 1)->x);
  for (int32_t i = 1; i < stroke.Count(); ++i) {
    EXPECT_GE(stroke.Cell(i)->x, stroke.Cell(i - 1)->x) << i;
  }
  std::set<std::pair<int, int>> seen;
  for (int32_t i = 0; i < small->Count(); ++i) {
    EXPECT_TRUE(seen.insert({small->Cell(i)->x, small->Cell(i)->y}).second) << i;
  }
}

// Big5 codes: both levels, both ranges of second bytes, nothing between the
// levels (0xC6A1 is a kana in some Big5 tables, no Hanzi).
TEST(Big5Hanzi, BothLevelsWithBothSecondByteRanges) {
  const std::vector<HanziCode> hanzi = big5Hanzi();
  ASSERT_EQ(hanzi.size(), 13053u);  // 5401 + 7652, two of them duplicates
  auto codePointOf = [&hanzi](uint16_t code) -> uint32_t {
    for (const HanziCode& c : hanzi) {
      if (c.code == code) return c.codePoint;
    }
    return 0;
  };
  EXPECT_EQ(hanzi.front().code, 0xA440);
  EXPECT_EQ(hanzi.front().codePoint, 0x4E00u);  // 一
  EXPECT_EQ(codePointOf(0xA47E), 0x624Du);       // 才, the last low second byte
  EXPECT_EQ(codePointOf(0xA4A1), 0x4E11u);       // 丑, the first high one
  EXPECT_EQ(codePointOf(0xC67E), 0x7C72u);       // 籲, the end of level 1
  EXPECT_EQ(codePointOf(0xC940), 0x4E42u);       // 乂, the start of level 2
  EXPECT_EQ(hanzi.back().code, 0xF9D5);
  EXPECT_EQ(hanzi.back().codePoint, 0x9F98u);  // 龘
  EXPECT_EQ(codePointOf(0xC6A1), 0u);
  EXPECT_EQ(codePointOf(0xA47F), 0u);
  for (size_t i = 1; i < hanzi.size(); ++i) ASSERT_LT(hanzi[i - 1].code, hanzi[i].code);
}

// A few traditional characters built as the whole set is: under their Big5
// codes in the "cht" files, and a character the source lacks (龘) left out
// and named.
TEST(Big5Hanzi, TraditionalDatabasesHoldTheSourcesCharactersUnderBig5Codes) {
  const std::vector<HanziCode> some = {{0xA440, 0x4E00}, {0xC940, 0x4E42}, {0xF9D5, 0x9F98}};
  ScratchDir out;
  BuildSummary summary;
  std::string error;
  ASSERT_TRUE(buildStrokeDatabases(MORVANE_STROKE_SOURCE, out.root().string(), some,
                                   kTraditionalDatabases, summary, error))
      << error;
  EXPECT_EQ(summary.characters, 2);
  EXPECT_EQ(summary.missing, (std::vector<std::string>{"\xE9\xBE\x98"}));
  const FolderList folders = {out.root().wstring()};
  auto one = loadStrokeList(folders, kTraditionalDatabases.large, 0xA440);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->Count(), 1);
  EXPECT_TRUE(loadCellPath(folders, kTraditionalDatabases.small, 0xC940));
  EXPECT_TRUE(locateRecord(folders, kTraditionalDatabases.feedback, 0xC940));
  EXPECT_FALSE(loadCellPath(folders, kTraditionalDatabases.small, 0xF9D5));
  EXPECT_FALSE(loadCellPath(folders, kSimplifiedDatabases.small, 0xA440));
}

}  // namespace
}  // namespace morvane::test
