// The line form of lesson files: what the writer produces and the reader accepts.
#include <gtest/gtest.h>

#include "core/lesson_file.h"
#include "editor_test_support.h"

namespace quillmark {
namespace {

using fakes::FakeCodec;
using fakes::kNiHao;
using fakes::kNiHaoBytes;
using fakes::kZhong;
using fakes::makeItem;
using fakes::StringSource;

LoadedLesson load(const std::string& bytes) {
  StringSource source(bytes);
  return loadLessonFile(source, FakeCodec());
}

bool parses(const std::wstring& line) {
  EditorItem item;
  return parseLessonLine(line, item);
}

void expectItem(const EditorItem& item, const std::wstring& hanzi, const std::wstring& reading,
                const std::wstring& meaning) {
  EXPECT_EQ(item.fieldText(Field::Hanzi), hanzi);
  EXPECT_EQ(item.fieldText(Field::Reading), reading);
  EXPECT_EQ(item.fieldText(Field::Meaning), meaning);
}

bool isOneEmptyItem(const LoadedLesson& lesson) {
  if (lesson.items.size() != 1) return false;
  const EditorItem& item = lesson.items[0];
  return item.fieldText(Field::Hanzi).empty() && item.fieldText(Field::Reading).empty() &&
         item.fieldText(Field::Meaning).empty();
}

TEST(LessonFileWriter, WritesOneCrLfLinePerItem) {
  std::vector<EditorItem> items = {makeItem(kNiHao, L"ni3 hao3", L"hello/how are you"),
                                   makeItem(kZhong, L"zhong1", L"middle")};
  WrittenLesson written = writeLessonFile(items, FakeCodec());
  EXPECT_EQ(written.bytes, kNiHaoBytes + " [ni3 hao3] /hello/how are you/\r\n"
                           "\xD6\xD0 [zhong1] /middle/\r\n");
  EXPECT_TRUE(written.itemsWithLostCharacters.empty());
}

TEST(LessonFileWriter, LeavesOutItemsWithoutHanzi) {
  std::vector<EditorItem> items = {makeItem(L"", L"lost", L"lost"), makeItem(kZhong, L"", L"")};
  EXPECT_EQ(writeLessonFile(items, FakeCodec()).bytes, "\xD6\xD0 [] //\r\n");
  EXPECT_EQ(writeLessonFile({EditorItem{}}, FakeCodec()).bytes, "");
}

TEST(LessonFileWriter, ReportsItemsWithCharactersTheFileCannotCarry) {
  std::vector<EditorItem> items = {makeItem(kZhong, L"zhong1", L"middle"),
                                   makeItem(L"\x4E00", L"yi1", L"one"),
                                   makeItem(kZhong, L"zh\x014D", L"ok")};
  WrittenLesson written = writeLessonFile(items, FakeCodec());
  EXPECT_EQ(written.itemsWithLostCharacters, (std::vector<size_t>{2, 3}));
  EXPECT_NE(written.bytes.find("? [yi1] /one/\r\n"), std::string::npos);
}

TEST(LessonFileRoundTrip, FieldsComeBackUnchanged) {
  std::vector<EditorItem> items = {makeItem(kNiHao, L"ni3 hao3", L"hello/how are you/hi"),
                                   makeItem(kZhong, L"zhong1", L"middle; centre")};
  LoadedLesson lesson = load(writeLessonFile(items, FakeCodec()).bytes);
  ASSERT_EQ(lesson.items.size(), 2u);
  // The meaning keeps its inner "/" because the reader takes all up to the last one.
  expectItem(lesson.items[0], kNiHao, L"ni3 hao3", L"hello/how are you/hi");
  EXPECT_TRUE(lesson.shortenedLines.empty());
}

TEST(LessonFileRoundTrip, ItemWithEmptyMeaningIsWrittenButSkippedOnReading) {
  WrittenLesson written = writeLessonFile({makeItem(kZhong, L"zhong1", L"")}, FakeCodec());
  EXPECT_EQ(written.bytes, "\xD6\xD0 [zhong1] //\r\n");
  EXPECT_TRUE(isOneEmptyItem(load(written.bytes)));
}

TEST(LessonFileReader, AcceptsCrLfAndLfEndingsAndALastLineWithoutOne) {
  LoadedLesson lesson = load("\xD6\xD0 [a] /one/\r\n\xD6\xD0 [b] /two/\n\xD6\xD0 [c] /three/");
  ASSERT_EQ(lesson.items.size(), 3u);
  expectItem(lesson.items[0], kZhong, L"a", L"one");
  expectItem(lesson.items[1], kZhong, L"b", L"two");
  expectItem(lesson.items[2], kZhong, L"c", L"three");
}

TEST(LessonFileReader, IgnoresTextAfterTheLastSlash) {
  EditorItem item;
  ASSERT_TRUE(parseLessonLine(L"x [r] /m/ trailing\r", item));
  EXPECT_EQ(item.fieldText(Field::Meaning), L"m");
}

TEST(LessonFileReader, SkipsLinesWithoutSpace) {
  EXPECT_FALSE(parses(L"x[r]/m/"));
  EXPECT_TRUE(isOneEmptyItem(load("\xD6\xD0[a]/one/\r\n\xD6\xD0[b]/two/\r\n")));
}

TEST(LessonFileReader, SkipsLinesWithoutOpeningBracketOrWithItLast) {
  EXPECT_FALSE(parses(L"x r] /m/"));
  EXPECT_FALSE(parses(L"x /m/ ["));
}

TEST(LessonFileReader, SkipsLinesWithoutClosingBracketAfterTheOpening) {
  EXPECT_FALSE(parses(L"x [r /m/"));
  EXPECT_FALSE(parses(L"x ] [r /m/"));
}

TEST(LessonFileReader, TakesTheFirstClosingBracketOfTheLine) {
  // One before "[" spoils the line, though another follows it.
  EXPECT_FALSE(parses(L"x ] [r] /m/"));
  EditorItem item;
  ASSERT_TRUE(parseLessonLine(L"x [r]s] /m/", item));
  EXPECT_EQ(item.fieldText(Field::Reading), L"r");
  EXPECT_EQ(item.fieldText(Field::Meaning), L"m");
}

TEST(LessonFileReader, SkipsLinesWithoutSlashAfterClosingBracketOrWithItLast) {
  EXPECT_FALSE(parses(L"x /a/ [r] m"));
  EXPECT_FALSE(parses(L"x [r] /"));
}

TEST(LessonFileReader, SkipsLinesWithoutAMeaningBeforeTheLastSlash) {
  EXPECT_FALSE(parses(L"x [r] //"));
  EXPECT_FALSE(parses(L"x [r] /m"));
  EXPECT_TRUE(parses(L"x [r] /m/"));
}

TEST(LessonFileReader, KeepsGoodLinesAroundSkippedOnes) {
  LoadedLesson lesson = load("English title\r\n\xD6\xD0 [a] /one/\r\n\r\nbroken [\r\n"
                             "\xD6\xD0 [b] /two/\r\n");
  ASSERT_EQ(lesson.items.size(), 2u);
  expectItem(lesson.items[1], kZhong, L"b", L"two");
}

TEST(LessonFileReader, EmptyFileGivesOneEmptyItem) { EXPECT_TRUE(isOneEmptyItem(load(""))); }

TEST(LessonFileReader, LineLongerThanAnItemIsShortenedAndReported) {
  std::string meaning(400, 'm');
  LoadedLesson lesson = load("\xD6\xD0 [a] /short/\r\n\xD6\xD0 [b] /" + meaning + "/\r\n" +
                             "\xD6\xD0 [c] /after/\r\n");
  ASSERT_EQ(lesson.items.size(), 3u);
  EXPECT_EQ(lesson.items[1].fieldText(Field::Meaning), std::wstring(kFieldLength - 1, L'm'));
  // The rest of the long line is not read as a line of its own.
  expectItem(lesson.items[2], kZhong, L"c", L"after");
  EXPECT_EQ(lesson.shortenedLines, std::vector<size_t>{2});
}

TEST(LessonFileReader, FieldsOf249CharactersLoadWholeAnd250AreShortened) {
  const std::string full(249, 'r');
  LoadedLesson lesson = load("\xD6\xD0 [" + full + "] /" + full + "/\r\n" +
                             "\xD6\xD0 [" + full + "r] /m/\r\n" +
                             "\xD6\xD0 [r] /" + full + "m/\r\n");
  ASSERT_EQ(lesson.items.size(), 3u);
  expectItem(lesson.items[0], kZhong, std::wstring(249, L'r'), std::wstring(249, L'r'));
  expectItem(lesson.items[1], kZhong, std::wstring(249, L'r'), L"m");
  expectItem(lesson.items[2], kZhong, L"r", std::wstring(249, L'r'));
  EXPECT_EQ(lesson.shortenedLines, (std::vector<size_t>{2, 3}));
}

TEST(LessonFileReader, LineBeyondTheByteLimitIsCutAndReported) {
  std::string padding(kMaxLineBytes, ' ');
  LoadedLesson lesson = load("\xD6\xD0 [a] /one/" + padding + "\r\n\xD6\xD0 [b] /two/\r\n");
  ASSERT_EQ(lesson.items.size(), 2u);
  expectItem(lesson.items[0], kZhong, L"a", L"one");
  expectItem(lesson.items[1], kZhong, L"b", L"two");
  EXPECT_EQ(lesson.shortenedLines, std::vector<size_t>{1});
}

TEST(LessonFileReader, DictionarySizedFileLoadsWhole) {
  // Well past the 32,767 items a list box of old Windows versions held.
  const size_t kItems = 40000;
  std::string bytes;
  for (size_t i = 0; i < kItems; ++i) bytes += "\xD6\xD0 [a] /" + std::to_string(i) + "/\r\n";
  LoadedLesson lesson = load(bytes);
  ASSERT_EQ(lesson.items.size(), kItems);
  EXPECT_FALSE(lesson.tooManyItems);
  EXPECT_EQ(lesson.items.back().fieldText(Field::Meaning), L"39999");
}

TEST(LessonFileReader, StopsAtTheItemLimit) {
  StringSource source("\xD6\xD0 [a] /1/\r\n\xD6\xD0 [b] /2/\r\n\xD6\xD0 [c] /3/\r\n");
  LoadedLesson lesson = loadLessonFile(source, FakeCodec(), 2);
  EXPECT_EQ(lesson.items.size(), 2u);
  EXPECT_TRUE(lesson.tooManyItems);
}

}  // namespace
}  // namespace quillmark
