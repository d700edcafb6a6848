// The item reader: the written form, and the traps of reading by character
// class rather than by line.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "lesson/lesson_item.h"
#include "lesson/token_readers.h"
#include "lesson_test_support.h"

namespace morvane {
namespace {

using testing::cells;
using testing::MemoryFile;

// The items of a GB (or other) byte string, as the file loop would read
// them, with the storage they live in.
struct ReadItems {
  std::unique_ptr<ItemStorage> storage = std::make_unique<ItemStorage>();
  std::vector<LessonItem*> items;

  size_t size() const { return items.size(); }
  bool empty() const { return items.empty(); }
  LessonItem* operator[](size_t i) const { return items[i]; }
  auto begin() const { return items.begin(); }
  auto end() const { return items.end(); }
};

ReadItems readItems(const std::string& bytes, EncodingCode code = EncodingCode::Gb) {
  MemoryFile file(bytes);
  auto reader = makeTokenReader(file, code);
  ReadItems read;
  ItemReader itemReader(*reader, *read.storage);
  for (;;) {
    LessonItem* item = itemReader.next();
    if (item == nullptr || !item->valid) break;
    read.items.push_back(item);
  }
  return read;
}

std::wstring meaning(const LessonItem& item) { return item.meaning(); }

template <class Mark>
std::vector<uint8_t> bytesOf(ItemList<Mark> marks) {
  return {marks.begin(), marks.end()};
}

const std::string kNiHao = "\xc4\xe3\xba\xc3";  // two Hanzi

TEST(ItemReader, TheWrittenForm) {
  auto items = readItems(kNiHao + " [zhong1 guo2] /hello/how are you/\r\n");
  ASSERT_EQ(items.size(), 1u);
  const LessonItem& item = *items[0];
  EXPECT_EQ(item.hanzi().Count(), 2);
  EXPECT_EQ(cells(item.hanzi()), "<c4e3><bac3>");
  EXPECT_EQ(item.reading().Count(), 11);
  EXPECT_EQ(cells(item.reading()), "zhong1 guo2");
  EXPECT_EQ(item.reading()[0].first, 0);
  EXPECT_EQ(meaning(item), L"hello; how are you");
  EXPECT_STREQ(item.meaningBytes(), "hello; how are you");
  EXPECT_EQ(bytesOf(item.hanziMarks()), std::vector<uint8_t>(2, 0));
  EXPECT_EQ(bytesOf(item.readingMarks()), std::vector<uint8_t>(11, 3));
}

TEST(ItemReader, ItemsFollowEachOtherInFileOrder) {
  auto items = readItems(testing::gbItems(3));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(meaning(*items[0]), L"item 0");
  EXPECT_EQ(meaning(*items[2]), L"item 2");
  EXPECT_EQ(cells(items[1]->hanzi()), "<b0a2><d7d6>");
}

TEST(ItemReader, ReadingTraps) {
  auto items = readItems(kNiHao + " [a/b] /x/\r\n" + kNiHao + " [] /y/\r\n");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(cells(items[0]->reading()), "a;b");
  EXPECT_EQ(cells(items[1]->reading()), " ");
  EXPECT_EQ(items[1]->readingMarks().size(), 1u);
}

TEST(ItemReader, ReadingMayHoldDoubleByteCharactersAndNeedsNoBracket) {
  auto items = readItems(kNiHao + " \xa4\xcb\xa4\xdb] /z/\r\n");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(cells(items[0]->reading()), "<a4cb><a4db>");
}

TEST(ItemReader, MeaningSenses) {
  auto items = readItems(kNiHao + " [a] /word/\r\n" + kNiHao + " [a] /one/two/three/\r\n" +
                         kNiHao + " [a] //\r\n");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(meaning(*items[0]), L"word");  // the closing "/" is never kept
  EXPECT_EQ(meaning(*items[1]), L"one; two; three");
  // A meaning of "/" alone counts as present, though empty.
  EXPECT_EQ(meaning(*items[2]), L"");
}

TEST(ItemReader, MeaningOverTwoLinesIsJoinedWithoutSeparator) {
  auto items = readItems(kNiHao + " [a] /first\r\nsecond/\r\n");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(meaning(*items[0]), L"firstsecond");
}

TEST(ItemReader, BracketThenSlashLosesTheFirstLetter) {
  auto items = readItems(kNiHao + " [a]/hello/\r\n");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(meaning(*items[0]), L"ello");
}

TEST(ItemReader, TitleTextBeforeTheFirstItemIsSkipped) {
  auto items = readItems("Lesson 1: greetings [really] /not an item/\r\n" + kNiHao +
                         " [ni3 hao3] /hello/\r\n");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(cells(items[0]->reading()), "ni3 hao3");
}

TEST(ItemReader, FileEndingInsideAReadingDropsOnlyThatItem) {
  auto items = readItems(testing::gbItems(2) + kNiHao + " [ni3 ha");
  EXPECT_EQ(items.size(), 2u);
}

TEST(ItemReader, ItemWithoutMeaningAtTheEndIsDropped) {
  EXPECT_EQ(readItems(testing::gbItems(1) + kNiHao + " [a]").size(), 1u);
  EXPECT_EQ(readItems(testing::gbItems(1) + kNiHao + " [a] /").size(), 1u);
  EXPECT_EQ(readItems(testing::gbItems(1) + kNiHao + " [a] //").size(), 2u);
  EXPECT_EQ(readItems(testing::gbItems(1) + kNiHao).size(), 1u);
}

TEST(ItemReader, NoItemsInEmptyOrAsciiFiles) {
  EXPECT_TRUE(readItems("").empty());
  EXPECT_TRUE(readItems("just some [ascii] /text/\r\n").empty());
}

TEST(ItemReader, DoubleByteLetterInAMeaningStartsANewItem) {
  // Code page 936 writes e-acute as a8 a6: a double-byte character.
  auto items = readItems(kNiHao + " [a] /caf\xa8\xa6 [b] /rest/\r\n");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(meaning(*items[0]), L"caf");
  EXPECT_EQ(cells(items[1]->hanzi()), "<a8a6>");
  EXPECT_EQ(meaning(*items[1]), L"rest");
}

TEST(ItemReader, TabInAMeaningEndsAGbLessonThere) {
  auto items = readItems(kNiHao + " [a] /one\ttwo/\r\n" + testing::gbItems(3));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(meaning(*items[0]), L"one");
}

TEST(ItemReader, MeaningBytesBecomeTheSameCodePoints) {
  // Meanings are converted byte for byte, the same on every platform.
  auto items = readItems(kNiHao + " [a] /A~}/\r\n");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(meaning(*items[0]), L"A~}");
  auto jis = readItems("\x1b$B\x30\x21\x1b(B [a] /\x0e\xb1\x0f/\r\n", EncodingCode::Iso2022Jp);
  ASSERT_EQ(jis.size(), 1u);
  EXPECT_EQ(meaning(*jis[0]), std::wstring(1, static_cast<wchar_t>(0xB1)));
}

TEST(ItemReader, IsoJpLessonWithKanaReadings) {
  const std::string kanji = "\x1b$B\x46\x7c\x4b\x5c\x1b(B";  // two kanji
  const std::string kana = "\x1b$B\x24\x4b\x24\x5b\x24\x73\x1b(B";  // three kana
  std::string line = kanji + " [" + kana + "] /Japan/\r\n";
  auto items = readItems(line + line, EncodingCode::Iso2022Jp);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(cells(items[1]->hanzi()), "<467c><4b5c>");
  EXPECT_EQ(cells(items[1]->reading()), "<244b><245b><2473>");
  EXPECT_EQ(meaning(*items[1]), L"Japan");
}

TEST(ItemReader, EucJpCellsAreFolded) {
  auto items = readItems("\xc6\xfc\xcb\xdc [\xa4\xcb\xa4\xdb\xa4\xf3] /Japan/\r\n",
                         EncodingCode::EucJp);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(cells(items[0]->hanzi()), "<467c><4b5c>");
  EXPECT_EQ(cells(items[0]->reading()), "<244b><245b><2473>");
}

TEST(ItemReader, AWholePassageIsKeptAsOneItem) {
  // 400 Hanzi with their pinyin and a long translation: far longer than a
  // word, still a lesson item.
  std::string hanzi, pinyin, translation;
  for (int i = 0; i < 400; ++i) {
    hanzi += "\xb0\xa1";
    pinyin += i > 0 ? " zhuang4" : "zhuang4";
  }
  while (translation.size() < 9000) translation += "a sentence of the passage, ";
  auto items =
      readItems(hanzi + " [" + pinyin + "] /" + translation + "/\r\n" + testing::gbItems(1));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->hanzi().Count(), 400);
  EXPECT_EQ(cells(items[0]->reading()), pinyin);
  EXPECT_EQ(meaning(*items[0]), std::wstring(translation.begin(), translation.end()));
}

TEST(ItemReader, OverlongPartsAreCutAtTheirLimits) {
  std::string longHanzi;
  for (int i = 0; i < kMaxItemCells + 10; ++i) longHanzi += "\xb0\xa1";
  std::string longText(kMaxMeaningBytes + 100, 'x');
  auto items = readItems(longHanzi + " [" + longText + "] /" + longText + "/\r\n" +
                         testing::gbItems(1));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->hanzi().Count(), kMaxItemCells);
  EXPECT_EQ(items[0]->reading().Count(), kMaxItemCells);
  EXPECT_EQ(items[0]->hanziMarks().size(), static_cast<size_t>(kMaxItemCells));
  EXPECT_EQ(meaning(*items[0]).size(), kMaxMeaningBytes);
  EXPECT_EQ(meaning(*items[1]), L"item 0");
}

TEST(ItemReader, ItemsInOneStorageKeepTheirPartsApart) {
  // Items of odd and even sizes side by side: marking one item's cells must
  // leave its meaning and the next item whole.
  auto items = readItems(kNiHao + " [a] /x/\r\n" + "\xb0\xa1 [bc/d] /one/two/\r\n" +
                         kNiHao + " [] /y/\r\n");
  ASSERT_EQ(items.size(), 3u);
  for (LessonItem* item : items) {
    for (uint8_t& mark : item->hanziMarks()) mark = 0xFF;
  }
  EXPECT_EQ(cells(items[0]->hanzi()), "<c4e3><bac3>");
  EXPECT_EQ(meaning(*items[0]), L"x");
  EXPECT_EQ(cells(items[1]->hanzi()), "<b0a1>");
  EXPECT_EQ(cells(items[1]->reading()), "bc;d");
  EXPECT_EQ(bytesOf(items[1]->readingMarks()), std::vector<uint8_t>(4, 3));
  EXPECT_EQ(meaning(*items[1]), L"one; two");
  EXPECT_EQ(cells(items[2]->reading()), " ");
  EXPECT_EQ(meaning(*items[2]), L"y");
}

TEST(ItemReader, HostileBytesKeepItemsConsistent) {
  // Random bytes weighted towards the format's delimiters and escapes.
  const char kSpecial[] = "[]/ \r\n\t\x1b$B(J\x0e\x0f\x8e\x8f\xb0\xa1";
  std::mt19937 random(2024);
  for (EncodingCode code : {EncodingCode::Gb, EncodingCode::Big5, EncodingCode::EucKr,
                            EncodingCode::EucJp, EncodingCode::Iso2022Jp}) {
    for (int round = 0; round < 300; ++round) {
      std::string bytes;
      size_t length = random() % 400;
      for (size_t i = 0; i < length; ++i) {
        bytes += (random() % 3 == 0) ? kSpecial[random() % (sizeof kSpecial - 1)]
                                     : static_cast<char>(random() % 256);
      }
      for (const LessonItem* item : readItems(bytes, code)) {
        ASSERT_GT(item->hanzi().Count(), 0);
        ASSERT_GT(item->reading().Count(), 0);
        ASSERT_EQ(bytesOf(item->hanziMarks()), std::vector<uint8_t>(item->hanzi().size(), 0));
        ASSERT_EQ(bytesOf(item->readingMarks()), std::vector<uint8_t>(item->reading().size(), 3));
        ASSERT_LE(std::strlen(item->meaningBytes()), kMaxMeaningBytes);
      }
    }
  }
}

}  // namespace
}  // namespace morvane
