// to-tsv: lessons back to UTF-8 TSV with their weights, and the round trip
// TSV -> lesson -> TSV in every encoding.
#include "to_tsv.h"

#include <gtest/gtest.h>

#include "convert_test_support.h"
#include "lesson/item_weights.h"

namespace morvane {
namespace {

using testing::ConvertRun;
using testing::readBytes;
using testing::runConvertIn;
using testing::ScratchFolder;

const char kHeaders[] = "#separator:tab\n#html:false\n#tags column:4\n";

TEST(WeightTag, KeepsUpToTwoDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(weightTag(6.0f), "weight:6");
  EXPECT_EQ(weightTag(12.5f), "weight:12.5");
  EXPECT_EQ(weightTag(1.25f), "weight:1.25");
  EXPECT_EQ(weightTag(10.0f), "weight:10");
}

TEST(TsvField, QuotesOnlyFieldsThatNeedIt) {
  EXPECT_EQ(tsvField("plain; text"), "plain; text");
  EXPECT_EQ(tsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(tsvField("a\tb"), "\"a\tb\"");
  EXPECT_EQ(tsvField("a\nb"), "\"a\nb\"");
}

struct RoundTrip {
  const char* extension;
  const char* words;  // Anki-style lines in the encoding's script
};

class TsvRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(TsvRoundTrip, WordsComeBackAsTheyWent) {
  ScratchFolder folder;
  std::string lesson = std::string("{lesson.") + GetParam().extension + "}";
  folder.write(L"words.tsv", GetParam().words);
  ConvertRun there = runConvertIn(folder, {"to-lesson", "{words.tsv}", lesson});
  ASSERT_EQ(there.status, 0) << there.err;
  ConvertRun back = runConvertIn(folder, {"to-tsv", lesson, "{back.tsv}"});
  ASSERT_EQ(back.status, 0) << back.err;

  std::string expected = kHeaders;
  std::string words = GetParam().words;
  for (size_t start = 0; start < words.size();) {
    size_t end = words.find('\n', start);
    expected += words.substr(start, end - start) + "\tweight:6\n";
    start = end + 1;
  }
  EXPECT_EQ(readBytes(folder.path(L"back.tsv")), expected);

  // And once more: the TSV written is itself a word list that converts the same.
  ConvertRun again = runConvertIn(folder, {"to-lesson", "{back.tsv}", "{again.gb}"});
  ASSERT_EQ(again.status, 0) << again.err;
}

INSTANTIATE_TEST_SUITE_P(
    EveryEncoding, TsvRoundTrip,
    ::testing::Values(RoundTrip{"gb", "你好\tnǐ hǎo\thello; good day\n谢谢\txie4 xie5\tthanks\n"},
                      RoundTrip{"b5", "謝謝\txie4 xie5\tthanks\n中文\tㄓㄨㄥ\tChinese\n"},
                      RoundTrip{"euc", "日本\tにほん\tJapan\n漢字\tかんじ\tkanji\n"},
                      RoundTrip{"jis", "日本\tにほん\tJapan\n東京\tとうきょう\tTokyo\n"},
                      RoundTrip{"euk", "한국\thanguk\tKorea\n韓國\t한국\tKorea (hanja)\n"}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) {
      return std::string(info.param.extension);
    });

TEST(ToTsv, WeightsComeFromEachFilesProgressFile) {
  ScratchFolder folder;
  folder.write(L"a.gb", "\xC4\xE3 [ni3] /you/\r\n\xBA\xC3 [hao3] /good/\r\n");
  folder.write(L"b.euc", "\xC6\xFC [hi] /sun/\r\n");
  ItemWeights weights = ItemWeights::withDefaults(2);
  weights.adjustWeight(1, 6.0f);
  weights.adjustWeight(0, -1.0f);
  ASSERT_TRUE(saveProgressFile(folder.path(L"a.gb.st"), weights));
  ConvertRun run = runConvertIn(folder, {"to-tsv", "{a.gb}", "{b.euc}", "{out.tsv}"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readBytes(folder.path(L"out.tsv")),
            std::string(kHeaders) +
                "你\tni3\tyou\tweight:5\n好\thao3\tgood\tweight:12\n日\thi\tsun\tweight:6\n");
  EXPECT_NE(run.err.find("a.gb: 2 items, weights from its progress file"), std::string::npos);
  EXPECT_NE(run.err.find("b.euc: 1 item, no progress file"), std::string::npos) << run.err;
}

TEST(ToTsv, QuotesAMeaningWithQuotes) {
  ScratchFolder folder;
  folder.write(L"a.gb", "\xC4\xE3 [ni3] /\"you\"/\r\n");
  ASSERT_EQ(runConvertIn(folder, {"to-tsv", "{a.gb}", "{out.tsv}"}).status, 0);
  EXPECT_EQ(readBytes(folder.path(L"out.tsv")),
            std::string(kHeaders) + "你\tni3\t\"\"\"you\"\"\"\tweight:6\n");
}

TEST(ToTsv, DoubleByteCellsTheCharsetLacksBecomeReplacementCharacters) {
  ScratchFolder folder;
  // 0xAA 0xA1 is a pair the GB reader takes, but GB 2312 has no character there.
  folder.write(L"a.gb", "\xAA\xA1 [x] /y/\r\n");
  ConvertRun run = runConvertIn(folder, {"to-tsv", "{a.gb}", "{out.tsv}"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(readBytes(folder.path(L"out.tsv")), std::string(kHeaders) + "\uFFFD\tx\ty\tweight:6\n");
  EXPECT_NE(run.err.find("1 characters the encoding has no Unicode for"), std::string::npos);
}

TEST(ToTsv, MissingLessonIsAnErrorAndWritesNothing) {
  ScratchFolder folder;
  ConvertRun run = runConvertIn(folder, {"to-tsv", "{none.gb}", "{out.tsv}"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(readBytes(folder.path(L"out.tsv")), "");
  EXPECT_EQ(runConvertIn(folder, {"to-tsv", "{out.tsv}"}).status, 2);
}

}  // namespace
}  // namespace morvane
