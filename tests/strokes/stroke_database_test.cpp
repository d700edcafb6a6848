// Index search and record lookups over hand-made files: the keys at and
// beyond the ends, partial entries, folders, and files that lie.
#include <gtest/gtest.h>

#include "stroke_test_support.h"

namespace morvane::test {
namespace {

class FindEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.write(L"strokeschs",
                 indexBytes({{0x1000, 10}, {0x2000, 20}, {0x3000, 30}, {0xB0A1, 40}}), "");
  }
  std::optional<uint32_t> find(uint32_t code) {
    uint32_t offset = 0;
    if (!findEntry(folder.folders(), L"strokeschs.ind", code, offset)) return std::nullopt;
    return offset;
  }
  DatabaseFolder folder;
};

TEST_F(FindEntryTest, KeysEqualToTheFirstLastAndMiddleEntriesAreFound) {
  EXPECT_EQ(find(0x1000), 10u);
  EXPECT_EQ(find(0x2000), 20u);
  EXPECT_EQ(find(0x3000), 30u);
  EXPECT_EQ(find(0xB0A1), 40u);
}

TEST_F(FindEntryTest, KeysBelowAboveAndBetweenEntriesAreNotFound) {
  EXPECT_EQ(find(0x0FFF), std::nullopt);
  EXPECT_EQ(find(0), std::nullopt);
  EXPECT_EQ(find(0xB0A2), std::nullopt);
  EXPECT_EQ(find(0xFFFFFFFF), std::nullopt);
  EXPECT_EQ(find(0x2001), std::nullopt);
  EXPECT_EQ(find(0x1FFF), std::nullopt);
}

TEST_F(FindEntryTest, TheTextKeyIsParsedAsHex) {
  uint32_t offset = 0;
  EXPECT_TRUE(findEntry(folder.folders(), L"strokeschs.ind", std::string("b0a1"), offset));
  EXPECT_EQ(offset, 40u);
  EXPECT_TRUE(findEntry(folder.folders(), L"strokeschs.ind", std::string("2000"), offset));
  EXPECT_EQ(offset, 20u);
  EXPECT_FALSE(findEntry(folder.folders(), L"strokeschs.ind", std::string("zz"), offset));
  EXPECT_FALSE(findEntry(folder.folders(), L"strokeschs.ind", std::string(""), offset));
}

TEST(FindEntry, ASizeNotAMultipleOf12SearchesWholeEntriesOnly) {
  DatabaseFolder folder;
  // The trailing 8 bytes hold what would be an entry for 0x4000.
  std::string index = indexBytes({{0x1000, 10}, {0x2000, 20}, {0x4000, 99}});
  index.resize(index.size() - 4);
  folder.write(L"x", index, "");
  uint32_t offset = 0;
  EXPECT_FALSE(findEntry(folder.folders(), L"x.ind", 0x4000, offset));
  EXPECT_TRUE(findEntry(folder.folders(), L"x.ind", 0x2000, offset));
  EXPECT_EQ(offset, 20u);
  EXPECT_TRUE(findEntry(folder.folders(), L"x.ind", 0x1000, offset));
}

TEST(FindEntry, EmptyShortAndMissingIndexesFindNothing) {
  DatabaseFolder folder;
  uint32_t offset = 0;
  folder.write(L"empty", "", "");
  EXPECT_FALSE(findEntry(folder.folders(), L"empty.ind", 0, offset));
  folder.write(L"short", std::string(11, '\0'), "");
  EXPECT_FALSE(findEntry(folder.folders(), L"short.ind", 0, offset));
  EXPECT_FALSE(findEntry(folder.folders(), L"missing.ind", 0, offset));
  EXPECT_FALSE(findEntry({}, L"empty.ind", 0, offset));
}

TEST(FindEntry, ASingleEntryIsFoundAndNothingElse) {
  DatabaseFolder folder;
  folder.write(L"one", indexBytes({{0x8080, 7}}), "");
  uint32_t offset = 0;
  EXPECT_TRUE(findEntry(folder.folders(), L"one.ind", 0x8080, offset));
  EXPECT_EQ(offset, 7u);
  EXPECT_FALSE(findEntry(folder.folders(), L"one.ind", 0x807F, offset));
  EXPECT_FALSE(findEntry(folder.folders(), L"one.ind", 0x8081, offset));
}

TEST(FindEntry, CodesCompareUnsigned) {
  DatabaseFolder folder;
  folder.write(L"u", indexBytes({{0x00000001, 1}, {0x7FFFFFFF, 2}, {0x80000000, 3}}), "");
  uint32_t offset = 0;
  EXPECT_TRUE(findEntry(folder.folders(), L"u.ind", 0x80000000u, offset));
  EXPECT_EQ(offset, 3u);
}

TEST(FolderSearch, TheFirstFolderThatHasTheFileWins) {
  DatabaseFolder empty, first, second;
  first.write(L"f", indexBytes({{5, 100}}), "");
  second.write(L"f", indexBytes({{5, 200}, {6, 300}}), "");
  const FolderList folders = {empty.dir.root().wstring(), first.dir.root().wstring(),
                              second.dir.root().wstring()};
  uint32_t offset = 0;
  EXPECT_TRUE(findEntry(folders, L"f.ind", 5, offset));
  EXPECT_EQ(offset, 100u);
  // The search stops at the first index, even when a later one has the code.
  EXPECT_FALSE(findEntry(folders, L"f.ind", 6, offset));
}

// The snapshot a lesson's marks search answers as the search on disk does,
// for every code, whatever shape the index has.
TEST(IndexSnapshot, FindsWhatTheSearchOnDiskFinds) {
  const std::vector<std::string> indexes = {
      indexBytes({{1, 10}, {3, 30}, {5, 50}, {7, 70}}),                  // sorted
      indexBytes({{7, 70}, {1, 10}, {5, 50}, {3, 30}, {2, 20}}),         // not sorted
      indexBytes({{1, 10}, {3, 30}, {5, 50}}) + std::string(7, '\x01'),  // a torn last entry
      indexBytes({{4, 40}, {4, 41}, {4, 42}}),                           // one code three times
      std::string(5, '\0'),                                              // shorter than an entry
      ""};
  for (size_t i = 0; i < indexes.size(); ++i) {
    DatabaseFolder folder;
    folder.dir.write("x.ind", indexes[i]);
    const IndexSnapshot snapshot(folder.folders(), L"x.ind");
    for (uint32_t code = 0; code <= 8; ++code) {
      uint32_t onDisk = 99, inMemory = 99;
      const bool found = findEntry(folder.folders(), L"x.ind", code, onDisk);
      EXPECT_EQ(snapshot.find(code, inMemory), found) << "index " << i << " code " << code;
      EXPECT_EQ(inMemory, onDisk) << "index " << i << " code " << code;
    }
  }
  // Worked answers: the unsorted index hides 2 and 7 from the search.
  DatabaseFolder unsorted;
  unsorted.dir.write("x.ind", indexes[1]);
  const IndexSnapshot snapshot(unsorted.folders(), L"x.ind");
  uint32_t offset = 0;
  EXPECT_TRUE(snapshot.find(5, offset));
  EXPECT_EQ(offset, 50u);
  EXPECT_TRUE(snapshot.find(1, offset));
  EXPECT_EQ(offset, 10u);
  EXPECT_FALSE(snapshot.find(2, offset));
  EXPECT_FALSE(snapshot.find(7, offset));
  EXPECT_FALSE(IndexSnapshot(unsorted.folders(), L"missing.ind").find(5, offset));
}

TEST(RecordLookup, SmallAndLargeRecordsReadAtTheirOffsets) {
  DatabaseFolder folder;
  folder.write(kSimplifiedDatabases.small, indexBytes({{0xB0A1, 3}, {0xB0A2, 0}}),
               bytes({0, 9, 9, 2, 0x3A, 0x01}));
  folder.write(kSimplifiedDatabases.large, indexBytes({{0xB0A1, 1}}), bytes({7, 1, 1, 23, 4}));
  auto small = loadCellPath(folder.folders(), kSimplifiedDatabases.small, 0xB0A1);
  ASSERT_TRUE(small);
  ASSERT_EQ(small->Count(), 2);
  EXPECT_EQ(small->Cell(0)->x, 3);
  EXPECT_EQ(small->Cell(0)->y, 10);
  auto empty = loadCellPath(folder.folders(), kSimplifiedDatabases.small, 0xB0A2);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Count(), 0);
  auto large = loadStrokeList(folder.folders(), kSimplifiedDatabases.large, 0xB0A1);
  ASSERT_TRUE(large);
  ASSERT_EQ(large->Count(), 1);
  EXPECT_EQ(large->Stroke(0)->Cell(0)->x, 23);
  EXPECT_EQ(large->Stroke(0)->Cell(0)->y, 4);
  EXPECT_FALSE(loadCellPath(folder.folders(), kSimplifiedDatabases.small, 0xB0A3));
}

TEST(RecordLookup, LyingDataFilesAreNotFound) {
  DatabaseFolder folder;
  // Offsets past the end, a count beyond the end, an index without data file.
  folder.write(kSimplifiedDatabases.small, indexBytes({{1, 6}, {2, 0xFFFFFFFF}, {3, 0}, {4, 3}}),
               bytes({200, 0x11, 0x22, 0, 0, 0}));
  EXPECT_FALSE(loadCellPath(folder.folders(), kSimplifiedDatabases.small, 1));
  EXPECT_FALSE(loadCellPath(folder.folders(), kSimplifiedDatabases.small, 2));
  EXPECT_FALSE(loadCellPath(folder.folders(), kSimplifiedDatabases.small, 3));
  auto zero = loadCellPath(folder.folders(), kSimplifiedDatabases.small, 4);
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->Count(), 0);
  folder.dir.write("lgstrokeschs.ind", indexBytes({{1, 0}}));
  EXPECT_FALSE(loadStrokeList(folder.folders(), kSimplifiedDatabases.large, 1));
  EXPECT_FALSE(locateRecord(folder.folders(), kSimplifiedDatabases.large, 1));
}

}  // namespace
}  // namespace morvane::test
