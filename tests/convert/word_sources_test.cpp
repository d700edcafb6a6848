// Reading word lists: Anki's plain-text export (headers, HTML, quoted
// fields), plain TSV with chosen columns, and CC-CEDICT lines.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cedict_words.h"
#include "conversion_report.h"
#include "html_text.h"
#include "platform/utf8.h"
#include "tsv_words.h"

namespace morvane {
namespace {

std::vector<WordEntry> tsvEntries(const std::string& text, ConversionReport& report,
                                  WordColumns columns = {}) {
  std::istringstream in(text);
  TsvWordSource source(in, columns, report);
  std::vector<WordEntry> entries;
  WordEntry entry;
  while (source.next(entry)) entries.push_back(entry);
  return entries;
}

std::string u8(const std::u32string& text) { return utf8FromCodePoints(text); }

TEST(HtmlText, TagsGoAndBreaksBecomeLineBreaks) {
  EXPECT_EQ(htmlToText(U"<b>to eat</b><br>to <i>dine</i>"), U"to eat\nto dine");
  EXPECT_EQ(htmlToText(U"<div>one</div><div>two</div>"), U"one\ntwo\n");
}

TEST(HtmlText, ReferencesBecomeCharacters) {
  EXPECT_EQ(htmlToText(U"a&nbsp;&amp;&lt;b&gt; &#233;&#xE9; &quot;"), U"a\u00A0&<b> éé \"");
}

TEST(HtmlText, TextThatIsNotMarkupStays) {
  EXPECT_EQ(htmlToText(U"1 < 2 & 3 &bogus; &#; x<"), U"1 < 2 & 3 &bogus; &#; x<");
}

TEST(TsvWords, AnkiHeadersAreReadAndHtmlReduced) {
  ConversionReport report;
  auto entries =
      tsvEntries("#separator:tab\n#html:true\n你好\t<b>nǐ hǎo</b>\thello<br>good day\n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].hanzi), "你好");
  EXPECT_EQ(u8(entries[0].reading), "nǐ hǎo");
  EXPECT_EQ(u8(entries[0].meaning), "hello/good day");
  EXPECT_EQ(entries[0].line, 3);
}

TEST(TsvWords, HtmlFalseKeepsMarkupAsText) {
  ConversionReport report;
  auto entries = tsvEntries("#html:false\n好\thao3\t<b>good</b>\n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].meaning), "<b>good</b>");
}

TEST(TsvWords, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks) {
  ConversionReport report;
  auto entries =
      tsvEntries("好\t\"hao\t3\"\t\"say \"\"good\"\"\nand well\"\n再\tzai4\tagain\n", report);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(u8(entries[0].reading), "hao\t3");
  EXPECT_EQ(u8(entries[0].meaning), "say \"good\"/and well");
  EXPECT_EQ(entries[1].line, 3);
}

TEST(TsvWords, SeparatorHeaderNamesTheSeparator) {
  ConversionReport report;
  auto entries = tsvEntries("#separator:Semicolon\n好;hao3;good\n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].meaning), "good");
}

TEST(TsvWords, ColumnsClaimedByAnkiHeadersAreSkippedByDefault) {
  ConversionReport report;
  auto entries =
      tsvEntries("#notetype column:1\n#deck column:2\nBasic\tChinese\t好\thao3\tgood\n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].hanzi), "好");
  EXPECT_EQ(u8(entries[0].meaning), "good");
}

TEST(TsvWords, ColumnsOptionPicksTheFields) {
  WordColumns columns;
  ASSERT_TRUE(parseWordColumns("3,1,2", columns));
  ConversionReport report;
  auto entries = tsvEntries("hao3\tgood\t好\n", report, columns);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].hanzi), "好");
  EXPECT_EQ(u8(entries[0].reading), "hao3");
  EXPECT_EQ(u8(entries[0].meaning), "good");
}

TEST(TsvWords, MalformedColumnsAreRejected) {
  WordColumns columns;
  EXPECT_FALSE(parseWordColumns("1,2", columns));
  EXPECT_FALSE(parseWordColumns("0,1,2", columns));
  EXPECT_FALSE(parseWordColumns("1,x,2", columns));
  EXPECT_FALSE(parseWordColumns("1,2,3,", columns));
}

TEST(TsvWords, ShortRecordsAreReportedAndSkipped) {
  ConversionReport report;
  auto entries = tsvEntries("\xEF\xBB\xBF好\thao3\n\n再\tzai4\tagain\r\n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].hanzi), "再");
  EXPECT_EQ(u8(entries[0].meaning), "again");
  EXPECT_EQ(report.skippedLineCount(), 1);
}

TEST(TsvWords, FieldsAreTrimmed) {
  ConversionReport report;
  auto entries = tsvEntries(" 好&nbsp;\t hao3 \t good \n", report);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(u8(entries[0].hanzi), "好");
  EXPECT_EQ(u8(entries[0].reading), "hao3");
}

TEST(CedictWords, SimplifiedOrTraditionalFormIsTheHanzi) {
  WordEntry entry;
  std::string line = "漢字 汉字 [han4 zi4] /Chinese character/CL:個|个[ge4]/";
  ASSERT_TRUE(parseCedictLine(line, CedictForm::Simplified, entry));
  EXPECT_EQ(u8(entry.hanzi), "汉字");
  EXPECT_EQ(u8(entry.reading), "han4 zi4");
  EXPECT_EQ(u8(entry.meaning), "Chinese character/CL:个[ge4]");
  ASSERT_TRUE(parseCedictLine(line, CedictForm::Traditional, entry));
  EXPECT_EQ(u8(entry.hanzi), "漢字");
  EXPECT_EQ(u8(entry.meaning), "Chinese character/CL:個[ge4]");
}

TEST(CedictWords, LinesThatAreNotEntriesAreRefused) {
  WordEntry entry;
  EXPECT_FALSE(parseCedictLine("漢字 汉字 han4 zi4 /x/", CedictForm::Simplified, entry));
  EXPECT_FALSE(parseCedictLine("漢字 汉字 [han4 zi4] x", CedictForm::Simplified, entry));
  EXPECT_FALSE(parseCedictLine("漢字 汉字 [han4 zi4", CedictForm::Simplified, entry));
  EXPECT_FALSE(parseCedictLine("漢字 [han4 zi4] /x/", CedictForm::Simplified, entry));
  EXPECT_FALSE(looksLikeCedictLine("好\thao3\t/good/"));
  EXPECT_TRUE(looksLikeCedictLine("好 好 [hao3] /good/\r"));
}

TEST(CedictWords, CommentsAreSkippedAndBadLinesReported) {
  ConversionReport report;
  std::istringstream in("# CC-CEDICT\n好 好 [hao3] /good/\nnonsense\n再 再 [zai4] /again/\n");
  CedictWordSource source(in, CedictForm::Simplified, report);
  WordEntry entry;
  ASSERT_TRUE(source.next(entry));
  EXPECT_EQ(entry.line, 2);
  ASSERT_TRUE(source.next(entry));
  EXPECT_EQ(entry.line, 4);
  EXPECT_FALSE(source.next(entry));
  EXPECT_EQ(report.skippedLineCount(), 1);
}

}  // namespace
}  // namespace morvane
