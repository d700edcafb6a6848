// The stroke records: packed and unpacked cells, empty records, round trips,
// and records the file ends inside of.
#include <gtest/gtest.h>

#include "platform/memory_file.h"
#include "strokes/stroke_records.h"

namespace morvane::test {
namespace {

MemoryFile fileOf(std::vector<uint8_t> contents) { return MemoryFile(std::move(contents)); }

std::vector<std::pair<int, int>> cellsOf(const CellPath& path) {
  std::vector<std::pair<int, int>> cells;
  for (int32_t i = 0; i < path.Count(); ++i) cells.emplace_back(path.Cell(i)->x, path.Cell(i)->y);
  return cells;
}

TEST(CellPathRead, PackedByteHoldsXInTheHighNibble) {
  MemoryFile file = fileOf({3, 0x3A, 0x00, 0xFF});
  CellPath path;
  ASSERT_TRUE(path.Read(file, true));
  EXPECT_EQ(cellsOf(path), (std::vector<std::pair<int, int>>{{3, 10}, {0, 0}, {15, 15}}));
  EXPECT_EQ(path.Cell(0)->reserved, 0);
}

TEST(CellPathRead, UnpackedCellsAreXThenY) {
  MemoryFile file = fileOf({2, 20, 3, 0, 23});
  CellPath path;
  ASSERT_TRUE(path.Read(file, false));
  EXPECT_EQ(cellsOf(path), (std::vector<std::pair<int, int>>{{20, 3}, {0, 23}}));
}

TEST(CellPathRead, CountZeroIsAnEmptyPath) {
  MemoryFile file = fileOf({0, 0x3A});
  CellPath path;
  ASSERT_TRUE(path.Read(file, true));
  EXPECT_EQ(path.Count(), 0);
}

TEST(CellPathRead, FileEndingInsideTheRecordFailsAndLeavesItEmpty) {
  MemoryFile packed = fileOf({4, 0x11, 0x22, 0x33});
  CellPath path;
  path.AddCell(1, 1);
  EXPECT_FALSE(path.Read(packed, true));
  EXPECT_EQ(path.Count(), 0);
  MemoryFile unpacked = fileOf({2, 1, 2, 3});
  EXPECT_FALSE(path.Read(unpacked, false));
  MemoryFile empty = fileOf({});
  EXPECT_FALSE(path.Read(empty, true));
}

TEST(StrokeListRead, StrokesFollowTheirCount) {
  MemoryFile file = fileOf({2, 1, 5, 6, 0, 9});  // 9 follows the record
  StrokeList list;
  ASSERT_TRUE(list.Read(file, false));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(cellsOf(*list.Stroke(0)), (std::vector<std::pair<int, int>>{{5, 6}}));
  EXPECT_EQ(list.Stroke(1)->Count(), 0);
  uint8_t next = 0;
  ASSERT_EQ(file.read(&next, 1), 1u);
  EXPECT_EQ(next, 9) << "the list reads exactly its record";
}

TEST(StrokeListRead, CountZeroIsAnEmptyList) {
  MemoryFile file = fileOf({0});
  StrokeList list;
  ASSERT_TRUE(list.Read(file, false));
  EXPECT_EQ(list.Count(), 0);
}

TEST(StrokeListRead, AStrokeCutShortFailsTheWholeList) {
  MemoryFile file = fileOf({3, 1, 5, 6, 2, 1});
  StrokeList list;
  EXPECT_FALSE(list.Read(file, false));
  EXPECT_EQ(list.Count(), 0);
}

TEST(RecordRoundTrip, CellPathPackedAndUnpacked) {
  CellPath path;
  path.AddCell(3, 10);
  path.AddCell(15, 0);
  path.AddCell(0, 15);
  for (bool packed : {true, false}) {
    MemoryFile file;
    ASSERT_TRUE(path.Write(file, packed));
    EXPECT_EQ(file.bytes.size(), packed ? 4u : 7u);
    file.seekTo(0);
    CellPath back;
    ASSERT_TRUE(back.Read(file, packed));
    EXPECT_EQ(cellsOf(back), cellsOf(path));
  }
}

TEST(RecordRoundTrip, StrokeListWritesCountThenEachStroke) {
  StrokeList list;
  auto* first = new CellPath;
  first->AddCell(23, 1);
  first->AddCell(2, 22);
  list.AddStroke(first);
  list.AddStroke(new CellPath);
  MemoryFile file;
  ASSERT_TRUE(list.Write(file, false));
  EXPECT_EQ(file.bytes, (std::vector<uint8_t>{2, 2, 23, 1, 2, 22, 0}));
  file.seekTo(0);
  StrokeList back;
  ASSERT_TRUE(back.Read(file, false));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(cellsOf(*back.Stroke(0)), cellsOf(*first));
  EXPECT_EQ(back.Stroke(1)->Count(), 0);
}

TEST(RecordWrite, RefusesCellsItsFormCannotHold) {
  CellPath wide;
  wide.AddCell(16, 0);
  MemoryFile file;
  EXPECT_FALSE(wide.Write(file, true));
  EXPECT_TRUE(wide.Write(file, false));
  CellPath negative;
  negative.AddCell(0, -1);
  EXPECT_FALSE(negative.Write(file, false));
  CellPath tooMany;
  for (int i = 0; i < 256; ++i) tooMany.AddCell(1, 1);
  EXPECT_FALSE(tooMany.Write(file, true));
  delete tooMany.Cell(0);
  tooMany.RemoveAt(0);
  MemoryFile fits;
  EXPECT_TRUE(tooMany.Write(fits, true));
  EXPECT_EQ(fits.bytes[0], 255);
}

}  // namespace
}  // namespace morvane::test
