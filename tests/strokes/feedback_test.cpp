// judgeStroke over an item's characters, and the feedback records' reading,
// including files that lie about their counts.
#include <gtest/gtest.h>

#include "lesson/char_token.h"
#include "platform/memory_file.h"
#include "stroke_test_support.h"
#include "strokes/feedback_database.h"

namespace morvane::test {
namespace {

// The item's characters as the lesson holds them (a CharString).
class Characters {
 public:
  explicit Characters(std::initializer_list<uint16_t> codes) {
    for (uint16_t c : codes)
      tokens_.push_back({static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    for (CharToken& t : tokens_) cells.Append(&t);
  }
  PtrArray cells;

 private:
  std::vector<CharToken> tokens_;
};

std::string record(int first, int second, int chord) { return bytes({first, second, chord, 0}); }

// Two characters: 0xB0A1 with 4 strokes, all up (0, 0, 0), and 0xB0A2 with 6
// strokes: down (8, 8, 8) first, then right (4, 4, 4).
class JudgeStrokeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string data = bytes({4});
    for (int i = 0; i < 4; ++i) data += record(0, 0, 0);
    const uint32_t second = static_cast<uint32_t>(data.size());
    data += bytes({6}) + record(8, 8, 8);
    for (int i = 0; i < 5; ++i) data += record(4, 4, 4);
    folder.write(kSimplifiedDatabases.feedback, indexBytes({{0xB0A1, 0}, {0xB0A2, second}}), data);
  }
  int judge(const PointList& stroke, int n, std::initializer_list<uint16_t> codes) {
    Characters item(codes);
    return judgeStroke(stroke, n, item.cells, folder.folders(), kSimplifiedDatabases.feedback);
  }
  const PointList down = strokeOf({{50, 10}, {50, 40}, {50, 70}});
  const PointList right = strokeOf({{10, 50}, {35, 50}, {60, 50}});
  DatabaseFolder folder;
};

TEST_F(JudgeStrokeTest, TheFifthStrokeIsTheSecondCharactersFirst) {
  EXPECT_EQ(judge(down, 4, {0xB0A1, 0xB0A2}), 0);
  EXPECT_EQ(judge(right, 4, {0xB0A1, 0xB0A2}), 2);
}

TEST_F(JudgeStrokeTest, StrokesWithinTheFirstCharacterUseItsRecords) {
  EXPECT_EQ(judge(down, 3, {0xB0A1, 0xB0A2}), 3);
  EXPECT_EQ(judge(strokeOf({{50, 70}, {50, 40}, {50, 10}}), 0, {0xB0A1, 0xB0A2}), 0);
}

TEST_F(JudgeStrokeTest, TheLastRecordOfTheItemIsReachedAndTheEleventhStrokeIsRed) {
  EXPECT_EQ(judge(right, 9, {0xB0A1, 0xB0A2}), 0);
  EXPECT_EQ(judge(down, 9, {0xB0A1, 0xB0A2}), 2);
  EXPECT_EQ(judge(right, 10, {0xB0A1, 0xB0A2}), 2);
  EXPECT_EQ(judge(right, 4, {0xB0A1}), 2);
  EXPECT_EQ(judge(right, 0, {}), 2);
}

TEST_F(JudgeStrokeTest, ACharacterWithoutFeedbackMeansNoJudgement) {
  EXPECT_EQ(judge(right, 0, {0xC4E3, 0xB0A2}), 0);
  EXPECT_EQ(judge(down, 5, {0xB0A1, 0xC4E3}), 0);
  EXPECT_EQ(judge(right, 50, {0xB0A1, 0xC4E3}), 0);
}

TEST_F(JudgeStrokeTest, MissingFilesMeanNoJudgement) {
  Characters item({0xB0A1});
  EXPECT_EQ(judgeStroke(down, 3, item.cells, {}, kSimplifiedDatabases.feedback), 0);
  folder.dir.write("feedbkchs.dat", "");
  EXPECT_EQ(judge(down, 3, {0xB0A1}), 0);
  std::filesystem::remove(folder.dir.root() / "feedbkchs.dat");
  EXPECT_EQ(judge(down, 3, {0xB0A1}), 0);
}

TEST(JudgeStroke, CountsBeyondTheFileAndOffsetsPastItGiveNoJudgement) {
  DatabaseFolder folder;
  // 0x0001 claims 200 strokes in 9 bytes; 0x0002 points past the end.
  folder.write(kSimplifiedDatabases.feedback, indexBytes({{1, 0}, {2, 500}}),
               bytes({200}) + record(12, 12, 12) + record(12, 12, 12));
  const PointList right = strokeOf({{10, 50}, {60, 50}});
  Characters lying({1});
  EXPECT_EQ(judgeStroke(right, 1, lying.cells, folder.folders(), kSimplifiedDatabases.feedback), 3);
  EXPECT_EQ(judgeStroke(right, 2, lying.cells, folder.folders(), kSimplifiedDatabases.feedback), 0);
  EXPECT_EQ(judgeStroke(right, 150, lying.cells, folder.folders(), kSimplifiedDatabases.feedback),
            0);
  Characters past({2});
  EXPECT_EQ(judgeStroke(right, 0, past.cells, folder.folders(), kSimplifiedDatabases.feedback), 0);
}

TEST(FeedbackRecords, ReadAllOrNone) {
  MemoryFile file(std::vector<uint8_t>{9, 2, 4, 5, 6, 7, 8, 9, 10, 11});
  auto records = readFeedbackRecords(file, 1);
  ASSERT_TRUE(records);
  ASSERT_EQ(records->size(), 2u);
  EXPECT_EQ((*records)[1].firstHalf, 8);
  EXPECT_EQ((*records)[1].chord, 10);
  EXPECT_FALSE(readFeedbackRecords(file, 0));  // 9 records claimed
  EXPECT_FALSE(readFeedbackRecords(file, 10));
  MemoryFile empty(std::vector<uint8_t>{0});
  auto none = readFeedbackRecords(empty, 0);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->empty());
}

TEST(FeedbackRecords, WriteAndReadBack) {
  std::vector<FeedbackRecord> written(3);
  written[2].firstHalf = 14;
  written[2].secondHalf = 1;
  written[2].chord = 7;
  MemoryFile file;
  ASSERT_TRUE(writeFeedbackRecords(file, written));
  EXPECT_EQ(file.bytes.size(), 13u);
  auto back = readFeedbackRecords(file, 0);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), 3u);
  EXPECT_EQ((*back)[2].firstHalf, 14);
  EXPECT_EQ((*back)[2].secondHalf, 1);
  EXPECT_EQ((*back)[2].chord, 7);
  EXPECT_FALSE(writeFeedbackRecords(file, std::vector<FeedbackRecord>(256)));
}

}  // namespace
}  // namespace morvane::test
