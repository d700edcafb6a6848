// The HBF description grammar: what opens, and the message for what does not.
#include <gtest/gtest.h>

#include "hbf_test_support.h"
#include "ui/hbf_font.h"

namespace morvane::test {
namespace {

const std::string kRange = "HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin 0";

class HbfParseTest : public ::testing::Test {
 protected:
  void SetUp() override { dir.write("g.bin", glyphData(8, 32)); }

  // Opens text as "f.hbf"; the font, or none with reporter holding the messages.
  FontPtr open(const std::string& text) {
    dir.write("f.hbf", text);
    return FontPtr(HbfFont::Open(dir.path("f.hbf"), reporter));
  }
  // The single message a failing description gives.
  std::wstring failure(const std::string& text) {
    reporter.messages.clear();
    FontPtr font = open(text);
    EXPECT_EQ(font, nullptr);
    EXPECT_EQ(reporter.messages.size(), 1u);
    if (reporter.messages.empty()) return L"";
    EXPECT_EQ(reporter.messages[0].second, L"HBF Message");
    return reporter.messages[0].first;
  }
  std::string replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  }

  ScratchDir dir;
  RecordingReporter reporter;
};

TEST_F(HbfParseTest, MinimalFontOpensWithBoxesAndProperties) {
  FontPtr font = open(hbfFont({kRange}));
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(reporter.messages.empty());
  EXPECT_EQ(font->bitmapBox.width, 16);
  EXPECT_EQ(font->bitmapBox.height, 16);
  EXPECT_EQ(font->bitmapBox.yOffset, -2);
  EXPECT_EQ(font->fontBox.width, 16);
  EXPECT_EQ(font->fileName, dir.path("f.hbf"));
  ASSERT_NE(font->GetProperty(L"FONT"), nullptr);
  EXPECT_EQ(*font->GetProperty(L"FONT"), L"test-font");
  EXPECT_EQ(*font->GetProperty(L"SIZE"), L"16 75 75");
  EXPECT_EQ(font->GetProperty(L"NOPE"), nullptr);
}

TEST_F(HbfParseTest, PropertyValuesQuotedOrJoinedAndLatestWins) {
  std::string extra =
      "STARTPROPERTIES 3\n"
      "COPYRIGHT \"Say \"\"hi\"\" twice\" trailing\n"
      "NOTICE   several\t words   here\n"
      "NOTICE again\n"
      "ENDPROPERTIES\n";
  FontPtr font = open(hbfFont({kRange}, extra));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(*font->GetProperty(L"COPYRIGHT"), L"Say \"hi\" twice");
  EXPECT_EQ(*font->GetProperty(L"NOTICE"), L"again");
  ASSERT_GE(font->properties.size(), 2u);
  EXPECT_EQ(font->properties[0].name, L"NOTICE");
  EXPECT_EQ(font->properties[1].value, L"several words here");
}

TEST_F(HbfParseTest, TrailingPropertiesAreKept) {
  std::string text = hbfFont({kRange});
  FontPtr font = open(replaced(text, "HBF_END_FONT", "DEFAULT_CHAR 0xA1A1\nHBF_END_FONT"));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(*font->GetProperty(L"DEFAULT_CHAR"), L"0xA1A1");
}

TEST_F(HbfParseTest, EachMissingHeaderKeywordIsNamed) {
  const char* keywords[] = {"HBF_START_FONT", "HBF_CODE_SCHEME", "FONT", "SIZE",
                            "HBF_BITMAP_BOUNDING_BOX", "FONTBOUNDINGBOX"};
  for (const char* keyword : keywords) {
    std::string text = "\n" + hbfFont({kRange});
    size_t at = text.find("\n" + std::string(keyword) + " ");
    ASSERT_NE(at, std::string::npos);
    text.replace(at + 1, std::string(keyword).size(), "XX");
    EXPECT_EQ(failure(text), fromAscii(keyword) + L" expected");
  }
  // A keyword that is only the start of a longer word does not match.
  EXPECT_EQ(failure(replaced(hbfFont({kRange}), "FONT test", "FONTS test")), L"FONT expected");
}

TEST_F(HbfParseTest, BoundingBoxNeedsFourNumbersAndAPositiveSize) {
  std::string text = hbfFont({kRange});
  EXPECT_EQ(failure(replaced(text, "HBF_BITMAP_BOUNDING_BOX 16 16 0 -2", "HBF_BITMAP_BOUNDING_BOX 16 16 0")),
            L"HBF_BITMAP_BOUNDING_BOX expected");
  EXPECT_EQ(failure(replaced(text, "HBF_BITMAP_BOUNDING_BOX 16 16", "HBF_BITMAP_BOUNDING_BOX 0 16")),
            L"illegal HBF_BITMAP_BOUNDING_BOX dimensions 0x16");
  EXPECT_EQ(failure(replaced(text, "FONTBOUNDINGBOX 16 16", "FONTBOUNDINGBOX 16 -3")),
            L"illegal FONTBOUNDINGBOX dimensions 16x-3");
  // Hexadecimal and octal numbers scan as a formatted scan reads them.
  FontPtr font = open(replaced(text, "HBF_BITMAP_BOUNDING_BOX 16 16 0 -2",
                               "HBF_BITMAP_BOUNDING_BOX 0x10 020 -1 0x3"));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->bitmapBox.width, 16);
  EXPECT_EQ(font->bitmapBox.height, 16);
  EXPECT_EQ(font->bitmapBox.xOffset, -1);
  EXPECT_EQ(font->bitmapBox.yOffset, 3);
}

TEST_F(HbfParseTest, AbsurdGlyphSizesAreRejected) {
  std::string text = hbfFont({kRange});
  EXPECT_EQ(failure(replaced(text, "HBF_BITMAP_BOUNDING_BOX 16 16", "HBF_BITMAP_BOUNDING_BOX 70000 16")),
            L"illegal HBF_BITMAP_BOUNDING_BOX dimensions 70000x16");
  EXPECT_EQ(failure(replaced(text, "HBF_BITMAP_BOUNDING_BOX 16 16",
                             "HBF_BITMAP_BOUNDING_BOX 16 99999999999")),
            L"illegal HBF_BITMAP_BOUNDING_BOX dimensions 16x-1");
}

TEST_F(HbfParseTest, OptionalBlocksMayEachBeAbsentOrPresent) {
  const std::string props = "STARTPROPERTIES 1\nFOUNDRY test\nENDPROPERTIES\n";
  const std::string chars = "CHARS 4\n";
  const std::string byte2 =
      "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\nHBF_END_BYTE_2_RANGES\n";
  for (int mask = 0; mask < 8; ++mask) {
    std::string extra = std::string(mask & 1 ? props : "") + (mask & 2 ? chars : "") +
                        (mask & 4 ? byte2 : "");
    FontPtr font = open(hbfFont({kRange}, extra));
    ASSERT_NE(font, nullptr) << mask;
    EXPECT_EQ(font->byte2Count, mask & 4 ? 94u : 256u);
    EXPECT_EQ(font->GetProperty(L"FOUNDRY") != nullptr, (mask & 1) != 0);
  }
}

TEST_F(HbfParseTest, ChecksCountNothingAndBlocksOutOfOrderFail) {
  FontPtr font = open(hbfFont({kRange}, "CHARS 99999\n"));
  EXPECT_NE(font, nullptr);
  const std::string late = "CHARS 4\nSTARTPROPERTIES 1\nFOUNDRY x\nENDPROPERTIES\n";
  EXPECT_EQ(failure(hbfFont({kRange}, late)), L"HBF_START_CODE_RANGES expected");
}

TEST_F(HbfParseTest, SecondByteBlockRejectsLinesThatDoNotScan) {
  const std::string head = "HBF_START_BYTE_2_RANGES 1\n";
  const std::string tail = "HBF_END_BYTE_2_RANGES\n";
  EXPECT_EQ(failure(hbfFont({kRange}, head + "HBF_BYTE_2_RANGE 0xA1\n" + tail)),
            L"HBF_BYTE_2_RANGE expected");
  EXPECT_EQ(failure(hbfFont({kRange}, head + "RANGE 0xA1-0xFE\n" + tail)),
            L"HBF_BYTE_2_RANGE expected");
  // A reversed range would make every glyph index meaningless.
  EXPECT_EQ(failure(hbfFont({kRange}, head + "HBF_BYTE_2_RANGE 0xFE-0xA1\n" + tail)),
            L"HBF_BYTE_2_RANGE expected");
  // More ranges than there are byte values can only repeat them.
  std::string many;
  for (int i = 0; i < 257; ++i) many += "HBF_BYTE_2_RANGE 0x40-0x41\n";
  EXPECT_EQ(failure(hbfFont({kRange}, head + many + tail)), L"HBF_BYTE_2_RANGE expected");
  // Without the end line the file runs out.
  EXPECT_EQ(failure(hbfHeader() + head + "HBF_BYTE_2_RANGE 0xA1-0xFE\n"),
            L"unexpected end of file");
}

TEST_F(HbfParseTest, SecondByteRangesAreKeptSorted) {
  const std::string block =
      "HBF_START_BYTE_2_RANGES 2\n"
      "HBF_BYTE_2_RANGE 0xA1-0xFE\n"
      "HBF_BYTE_2_RANGE 0x40-0x7E\n"
      "HBF_END_BYTE_2_RANGES\n";
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA140-0xA142 g.bin 0"}, block));
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->byte2Ranges.size(), 2u);
  EXPECT_EQ(font->byte2Ranges[0].first, 0x40);
  EXPECT_EQ(font->byte2Ranges[1].first, 0xA1);
  EXPECT_EQ(font->byte2Count, 157u);
  EXPECT_EQ(font->GlyphIndex(0xA1A1), 157u * 0xA1 + 63);
  EXPECT_EQ(font->codeRanges[0].baseIndex, 157u * 0xA1);
  EXPECT_EQ(font->CodeOfIndex(157u * 0xA1 + 63), 0xA1A1u);
  EXPECT_EQ(font->CodeOfIndex(157u * 0xA1 + 62), 0xA17Eu);
}

TEST_F(HbfParseTest, CodeRangeSectionNeedsItsStartLine) {
  std::string text = replaced(hbfFont({kRange}), "HBF_START_CODE_RANGES", "HBF_START_CODE_RANGE");
  EXPECT_EQ(failure(text), L"HBF_START_CODE_RANGES expected");
}

TEST_F(HbfParseTest, MalformedCodeRangeLinesAreSyntaxErrors) {
  const char* lines[] = {"HBF_CODE_RANGE 0xA1A1 0xA1A4 g.bin 0", "HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin",
                         "HBF_CODE_RANGE 0xA1A1 - 0xA1A4 g.bin 0", "CODE_RANGE 0xA1A1-0xA1A4 g.bin 0",
                         "HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin zero"};
  for (const char* line : lines) {
    EXPECT_EQ(failure(hbfFont({line})), L"syntax error in HBF_CODE_RANGE") << line;
  }
}

TEST_F(HbfParseTest, CodeRangeFailuresNameTheirCodes) {
  EXPECT_EQ(failure(hbfFont({"HBF_CODE_RANGE 0xA1A4-0xA1A1 g.bin 0"})),
            L"illegal code range 0xa1a4-0xa1a1");
  const std::string byte2 =
      "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\nHBF_END_BYTE_2_RANGES\n";
  EXPECT_EQ(failure(hbfFont({"HBF_CODE_RANGE 0xA1A0-0xA1A4 g.bin 0"}, byte2)),
            L"illegal start code 0xa1a0");
  EXPECT_EQ(failure(hbfFont({"HBF_CODE_RANGE 0xA1FE-0xA2A0 g.bin 0"}, byte2)),
            L"illegal finish code 0xa2a0");
  EXPECT_EQ(failure(hbfFont({"HBF_CODE_RANGE 0x21-0x22 missing.bin 0"})),
            L"can't open bitmap file '" + dir.path("missing.bin") + L"'");
}

TEST_F(HbfParseTest, EndOfFileInsideALineFails) {
  std::string text = hbfFont({kRange});
  text.pop_back();  // "HBF_END_FONT" without its line break
  EXPECT_EQ(failure(text), L"unexpected end of file");
  EXPECT_EQ(failure(hbfHeader()), L"unexpected end of file");
  EXPECT_EQ(failure("HBF_START_FONT 1.1\n"), L"unexpected end of file");
  // An empty file is as good as one cut short.
  EXPECT_EQ(failure(""), L"unexpected end of file");
}

TEST_F(HbfParseTest, CrLfLinesParseLikeLfLines) {
  std::string text = hbfFont({kRange, "HBF_CODE_RANGE 0xA2A1-0xA2A2 g.bin 0x80"});
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  FontPtr font = open(crlf);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->codeRanges.size(), 2u);
  EXPECT_EQ(*font->GetProperty(L"FONT"), L"test-font");
  // A lone carriage return ends a line as well.
  std::string cr;
  for (char c : text) cr += c == '\n' ? '\r' : c;
  EXPECT_NE(open(cr), nullptr);
}

TEST_F(HbfParseTest, CommentLinesAndBlankLinesAreSkippedAnywhere) {
  std::string text = "COMMENT first\n\n" + hbfFont({"COMMENT", kRange, "COMMENT\tmore", "   "});
  text = replaced(text, "FONT test", "COMMENT between\nFONT test");
  FontPtr font = open(text);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->GetProperty(L"COMMENT"), nullptr);
  // A word that only begins with COMMENT is no comment.
  EXPECT_EQ(failure(replaced(hbfFont({kRange}), "FONT test", "COMMENTARY x\nFONT test")),
            L"FONT expected");
  EXPECT_EQ(failure(hbfFont({"COMMENTS", kRange})), L"syntax error in HBF_CODE_RANGE");
}

TEST_F(HbfParseTest, OverlongLinesKeepTheirFirst1023Characters) {
  std::string value(3000, 'v');
  std::string text = replaced(hbfFont({kRange}), "HBF_END_FONT", "LONG " + value + "\nHBF_END_FONT");
  FontPtr font = open(text);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->GetProperty(L"LONG")->size(), 1023u - 5u);
}

TEST_F(HbfParseTest, HighBytesBecomeHighWideCharacters) {
  std::string text = replaced(hbfFont({kRange}), "FONT test-font", "FONT \xE5\x95\x8A");
  FontPtr font = open(text);
  ASSERT_NE(font, nullptr);
  std::wstring expected = {static_cast<wchar_t>(0xFFE5), static_cast<wchar_t>(0xFF95),
                           static_cast<wchar_t>(0xFF8A)};
  EXPECT_EQ(*font->GetProperty(L"FONT"), expected);
}

TEST_F(HbfParseTest, MissingDescriptionFailsSilently) {
  EXPECT_EQ(HbfFont::Open(dir.path("absent.hbf"), reporter), nullptr);
  EXPECT_TRUE(reporter.messages.empty());
}

}  // namespace
}  // namespace morvane::test
