// to-lesson end to end: the format's traps one by one, the bytes of each
// encoding, the read-back check, and the summary.
#include "to_lesson.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "convert_test_support.h"
#include "lesson/lesson_item.h"
#include "platform/utf8.h"

namespace morvane {
namespace {

using testing::ConvertRun;
using testing::ItemText;
using testing::lessonItems;
using testing::readBytes;
using testing::runConvertIn;
using testing::ScratchFolder;

ConvertRun toLesson(const ScratchFolder& folder, const std::string& words, const std::string& out,
                    std::vector<std::string> options = {}) {
  folder.write(L"words.txt", words);
  std::vector<std::string> args{"to-lesson"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back("{words.txt}");
  args.push_back("{" + out + "}");
  return runConvertIn(folder, args);
}

TEST(ToLessonTraps, AccentedLettersAndPiInAMeaningStayInOneItem) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "你好\tni3 hao3\tcafé, Lü, π\n再见\tzai4 jian4\tbye\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.gb"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].meaning, "cafe, Lu:, pi");
  EXPECT_EQ(items[1].hanzi, "<d4d9><bcfb>");
  EXPECT_NE(run.err.find("\"π\" replaced by \"pi\": 1 time, first at line 1"), std::string::npos)
      << run.err;
}

TEST(ToLessonTraps, FullWidthSlashInAMeaningSeparatesSenses) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "或\thuo4\tor ／ either\n", "a.gb").status, 0);
  EXPECT_EQ(lessonItems(folder.path(L"a.gb"))[0].meaning, "or; either");
}

TEST(ToLessonTraps, TabInAMeaningBecomesASpaceRatherThanEndingTheLesson) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "一\tyi1\t\"one\ttwo\"\n二\ter4\ttwo\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.gb"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].meaning, "one two");
  EXPECT_EQ(readBytes(folder.path(L"a.gb")).find('\t'), std::string::npos);
}

TEST(ToLessonTraps, ClosingBracketInTheReadingLeavesTheItemOut) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "一\tyi]1\tone\n二\ter4\ttwo\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.gb"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].meaning, "two");
  EXPECT_NE(run.err.find("1 item written, 1 left out"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("\"]\" in the reading, which would end it: 1 item, first at line 1"),
            std::string::npos);
}

TEST(ToLessonTraps, KanjiWhoseRowIsTheBracketCannotBeInAJapaneseReading) {
  ScratchFolder folder;
  // 檗 is JIS 5D21: its first byte is "]", which ends a reading.
  ConvertRun run = toLesson(folder, "日本\t檗\tx\n檗\tはく\tcork tree\n", "a.euc");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.euc"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].hanzi, "<5d21>");
}

TEST(ToLessonTraps, SlashInTheReadingIsWrittenAsTheSemicolonTheTrainerShows) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "谁\tshei2/shui2\twho\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lessonItems(folder.path(L"a.gb"))[0].reading, "shei2;shui2");
  EXPECT_NE(run.err.find("\"/\" in a reading written as \";\""), std::string::npos);
}

TEST(ToLessonTraps, HanziThatBig5LacksLeaveTheirItemOut) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "谢谢\txie4 xie5\tthanks\n謝謝\txie4 xie5\tthanks\n", "a.b5");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.b5"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].hanzi, "<c1c2><c1c2>");
  EXPECT_NE(run.err.find("a Hanzi Big5 lacks: 1 item, first at line 1 (U+8C22 \"谢\")\n"
                         "    line 1: 谢谢 [xie4 xie5]\n"),
            std::string::npos)
      << run.err;
}

TEST(ToLessonSummary, ListsTheFirstTenItemsLeftOutForEachReason) {
  ScratchFolder folder;
  std::string words;
  for (int i = 0; i < 12; ++i) words += "們\tmen" + std::to_string(i) + "\tplural\n";
  ConvertRun run = toLesson(folder, words, "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("    line 10: 們 [men9]\n    and 2 more\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("line 11:"), std::string::npos);
}

TEST(ToLessonTraps, AsciiInTheHanziLeavesTheItemOut) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "卡拉OK\tka3 la1 OK\tkaraoke\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(lessonItems(folder.path(L"a.gb")).empty());
  EXPECT_NE(run.err.find("ASCII in the Hanzi: 1 item"), std::string::npos);
}

TEST(ToLessonTraps, HanziLongerThanTheTrainerKeepsLeaveTheItemOut) {
  ScratchFolder folder;
  std::string longest;
  for (int32_t i = 1; i < kMaxItemCells; ++i) longest += "一";
  ConvertRun run = toLesson(folder, longest + "\tyi1\tone\n" + longest + "一\tyi1\tone\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lessonItems(folder.path(L"a.gb")).size(), 1u);
  EXPECT_NE(run.err.find("longer than the trainer keeps of an item: 1 item, first at line 2"),
            std::string::npos);
}

TEST(ToLessonTraps, EmptyReadingAndMeaningBecomeADash) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "一\t\t\n二\ter4\ttwo\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.gb"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].reading, "-");
  EXPECT_EQ(items[0].meaning, "-");
}

TEST(ToLessonBytes, GbLineIsHanziSpaceBracketedReadingSpaceSlashMeaningSlashCrLf) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "你好\tni3 hao3\thello/good day\n", "a.gb").status, 0);
  EXPECT_EQ(readBytes(folder.path(L"a.gb")), "\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/good day/\r\n");
}

TEST(ToLessonBytes, PinyinWithToneMarksIsDoubleByteInGb) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "你\tnǐ\tyou\n", "a.gb").status, 0);
  EXPECT_EQ(lessonItems(folder.path(L"a.gb"))[0].reading, "n<a8ab>");
}

TEST(ToLessonBytes, EucJpWritesEucBytesThatTheReaderFoldsToRowAndCell) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "日本\tにほん\tJapan\n", "a.euc").status, 0);
  EXPECT_EQ(readBytes(folder.path(L"a.euc")),
            "\xC6\xFC\xCB\xDC [\xA4\xCB\xA4\xDB\xA4\xF3] /Japan/\r\n");
  EXPECT_EQ(lessonItems(folder.path(L"a.euc"))[0].hanzi, "<467c><4b5c>");
}

TEST(ToLessonBytes, IsoJpShiftsIntoKanjiForEachDoubleByteRunAndBack) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "日本\tに ほ\tJapan\n本\tほん\tbook\n", "a.jis").status, 0);
  EXPECT_EQ(readBytes(folder.path(L"a.jis")),
            "\x1B$BF|K\\\x1B(B [\x1B$B$K\x1B(B \x1B$B$[\x1B(B] /Japan/\r\n"
            "\x1B$BK\\\x1B(B [\x1B$B$[$s\x1B(B] /book/\r\n");
  std::vector<ItemText> items = lessonItems(folder.path(L"a.jis"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1].reading, "<245b><2473>");
}

TEST(ToLessonBytes, EucKrHoldsHangulAndHanja) {
  ScratchFolder folder;
  ASSERT_EQ(toLesson(folder, "한국\thanguk\tKorea\n韓國\thanguk\tKorea\n", "a.euk").status, 0);
  EXPECT_EQ(readBytes(folder.path(L"a.euk")),
            "\xC7\xD1\xB1\xB9 [hanguk] /Korea/\r\n\xF9\xDB\xCF\xD0 [hanguk] /Korea/\r\n");
}

// Forgets the space before "[": the Hanzi run then ends at "[" and the
// trainer still reads the item, but the two characters after "]" eat the
// first letter of the meaning.
void writerWithoutSlashSpace(const PlannedItem& item, EncodingCode code, std::string& out) {
  std::string line;
  appendItemLine(item, code, line);
  size_t at = line.find("] /");
  line.replace(at, 3, "]/");
  out += line;
}

TEST(ReadBack, CatchesAWriterThatBreaksTheFormat) {
  ScratchFolder folder;
  std::istringstream words("一\tyi1\tone\n二\ter4\ttwo\n");
  std::ostringstream err;
  int status = convertToLesson(words, folder.path(L"a.gb"), {}, err, writerWithoutSlashSpace);
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.str().find("error:"), std::string::npos);
  EXPECT_NE(err.str().find("line 1 (input line 1): the meaning read back differs"),
            std::string::npos)
      << err.str();
}

// Writes the meaning of the second item with a TAB, which ends a GB lesson.
void writerWithTab(const PlannedItem& item, EncodingCode code, std::string& out) {
  std::string line;
  appendItemLine(item, code, line);
  if (item.line == 2) line.insert(line.find("] /") + 3, "\t");
  out += line;
}

TEST(ReadBack, NamesTheLineWhereTheTrainerStopsReading) {
  ScratchFolder folder;
  std::istringstream words("一\tyi1\tone\n二\ter4\ttwo\n三\tsan1\tthree\n");
  std::ostringstream err;
  EXPECT_EQ(convertToLesson(words, folder.path(L"a.gb"), {}, err, writerWithTab), 1);
  EXPECT_NE(err.str().find("line 2 (input line 2): the trainer stops reading before this item"),
            std::string::npos)
      << err.str();
}

TEST(ToLessonHostileInput, ScrambledWordListsAlwaysReadBackAsWritten) {
  const std::vector<std::string> pieces = {
      "\t",   "\n",    "\r\n", "\"",       "/",    "]",  "[",  " ",  "#",
      "<br>", "&amp;", "&#0;", "\xc3\xa9", "π",    "你", "好", "謝", "日",
      "한",   "檗",    "\xff", "\xc3",     "\x01", "a",  "1",  "／"};
  std::mt19937 random(13);
  ScratchFolder folder;
  for (int round = 0; round < 12; ++round) {
    std::string words;
    for (int i = 0; i < 300; ++i) words += pieces[random() % pieces.size()];
    for (const char* extension : {"gb", "b5", "euc", "jis", "euk"}) {
      std::vector<std::string> options;
      if (round % 3 == 0) options.push_back("--traditional");
      ConvertRun run = toLesson(folder, words, std::string("a.") + extension, options);
      ASSERT_EQ(run.status, 0) << extension << " round " << round << "\n" << run.err;
    }
  }
}

TEST(ToLessonCommand, UnicodeExtensionsAreRefused) {
  ScratchFolder folder;
  ConvertRun run = toLesson(folder, "一\tyi1\tone\n", "a.uni");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("reads no lesson"), std::string::npos);
}

TEST(ToLessonCommand, MissingInputAndBadOptionsAreErrors) {
  ScratchFolder folder;
  EXPECT_EQ(runConvertIn(folder, {"to-lesson", "{none.txt}", "{a.gb}"}).status, 1);
  EXPECT_EQ(runConvertIn(folder, {"to-lesson", "--columns", "1,2", "{a}", "{a.gb}"}).status, 2);
  EXPECT_EQ(runConvertIn(folder, {"to-lesson", "--bogus", "{a}", "{a.gb}"}).status, 2);
  EXPECT_EQ(runConvertIn(folder, {"to-lesson", "{a}"}).status, 2);
  EXPECT_EQ(runConvertIn(folder, {"sideways"}).status, 2);
}

TEST(ToLessonCommand, AnOldProgressFileIsPointedOut) {
  ScratchFolder folder;
  folder.write(L"a.gb.st", "");
  ConvertRun run = toLesson(folder, "一\tyi1\tone\n", "a.gb");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("a.gb.st holds the progress of the lesson that was replaced"),
            std::string::npos);
}

TEST(ToLessonCommand, CedictLinesAreDetectedWithoutAnOption) {
  ScratchFolder folder;
  ConvertRun run =
      toLesson(folder, "# dictionary\n漢字 汉字 [han4 zi4] /Chinese character/\n", "a.gb");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<ItemText> items = lessonItems(folder.path(L"a.gb"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].hanzi, "<baba><d7d6>");
  EXPECT_EQ(items[0].reading, "han4 zi4");
}

TEST(ToLessonCommand, TraditionalOptionTakesTheFirstForm) {
  ScratchFolder folder;
  ConvertRun run =
      toLesson(folder, "漢字 汉字 [han4 zi4] /Chinese character/\n", "a.b5", {"--traditional"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lessonItems(folder.path(L"a.b5")).size(), 1u);
}

}  // namespace
}  // namespace morvane
