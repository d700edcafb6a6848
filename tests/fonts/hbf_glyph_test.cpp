// Reading glyphs: index arithmetic, bitmap file lengths and sharing, the
// normal, transposed and inverted layouts, and hostile bitmap files.
#include <gtest/gtest.h>

#include <filesystem>

#include "hbf_test_support.h"
#include "ui/hbf_font.h"
#include "ui/hbf_text.h"

namespace morvane::test {
namespace {

const std::string kByte2 =
    "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\nHBF_END_BYTE_2_RANGES\n";

class HbfGlyphTest : public ::testing::Test {
 protected:
  FontPtr open(const std::string& text, const std::string& name = "f.hbf") {
    dir.write(name, text);
    return FontPtr(HbfFont::Open(dir.path(name), reporter));
  }
  std::string bytesOf(const uint8_t* p, size_t n) { return std::string(p, p + n); }
  std::string complement(std::string s) {
    for (char& c : s) c = static_cast<char>(~c);
    return s;
  }

  ScratchDir dir;
  RecordingReporter reporter;
};

TEST_F(HbfGlyphTest, NormalGlyphsAreDeliveredComplemented) {
  const std::string data = glyphData(4, 32);
  dir.write("g.bin", "pad" + data);
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin 3"}, kByte2));
  ASSERT_NE(font, nullptr);
  uint8_t buffer[32];
  for (int k = 0; k < 4; ++k) {
    ASSERT_EQ(font->GetBitmap(static_cast<uint16_t>(0xA1A1 + k), buffer), buffer);
    EXPECT_EQ(bytesOf(buffer, 32), complement(data.substr(k * 32, 32))) << k;
  }
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HbfGlyphTest, WithoutABufferTheFontsOwnGlyphBufferIsUsed) {
  dir.write("g.bin", glyphData(4, 32));
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin 0"}, kByte2));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->glyphBuffer, nullptr);
  uint8_t* glyph = font->GetBitmap(0xA1A2, nullptr);
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph, font->glyphBuffer.get());
  EXPECT_EQ(bytesOf(glyph, 32), complement(glyphData(4, 32).substr(32, 32)));
  EXPECT_EQ(font->ReadGlyph(0xA1A3, nullptr), 0);
}

TEST_F(HbfGlyphTest, GlyphsFollowOneAnotherAcrossRowsInIndexOrder) {
  // B0FD, B0FE, B1A1, B1A2: four consecutive glyph indexes across a row end.
  const std::string data = glyphData(4, 32);
  dir.write("g.bin", data);
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xB0FD-0xB1A2 g.bin 0"}, kByte2));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->GlyphIndex(0xB1A1) - font->GlyphIndex(0xB0FE), 1u);
  uint8_t buffer[32];
  ASSERT_NE(font->GetBitmap(0xB1A1, buffer), nullptr);
  EXPECT_EQ(bytesOf(buffer, 32), complement(data.substr(64, 32)));
}

TEST_F(HbfGlyphTest, CodesOutsideEveryRangeAreReported) {
  dir.write("g.bin", glyphData(4, 32));
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA3A1-0xA3A2 g.bin 0",
                               "HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin 64"},
                              kByte2));
  ASSERT_NE(font, nullptr);
  uint8_t buffer[32];
  for (uint16_t code : {0xA0FE, 0xA1A3, 0xA2A1, 0xA3A3, 0xFEFE}) {
    reporter.messages.clear();
    EXPECT_EQ(font->GetBitmap(code, buffer), nullptr);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].first, L"code " + hexNumber(code) + L" out of range");
    EXPECT_EQ(reporter.messages[0].second, L"HBF Message");
  }
  reporter.messages.clear();
  EXPECT_EQ(font->GetBitmap(0xA1A0, buffer), nullptr);
  EXPECT_EQ(font->ReadGlyph(0xA17F, buffer), -1);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HbfGlyphTest, RangesGivenOutOfOrderAreKeptSortedAndMayNotTouch) {
  dir.write("g.bin", glyphData(8, 32));
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA3A1-0xA3A2 g.bin 0",
                               "HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin 0",
                               "HBF_CODE_RANGE 0xA2A1-0xA2A2 g.bin 0"},
                              kByte2));
  ASSERT_NE(font, nullptr);
  ASSERT_EQ(font->codeRanges.size(), 3u);
  EXPECT_EQ(font->codeRanges[0].first, 0xA1A1);
  EXPECT_EQ(font->codeRanges[1].first, 0xA2A1);
  EXPECT_EQ(font->codeRanges[2].first, 0xA3A1);

  const char* clashes[] = {"HBF_CODE_RANGE 0xA1A2-0xA1A3 g.bin 0",   // shares its first code
                           "HBF_CODE_RANGE 0xA1A0-0xA1A1 g.bin 0",   // shares its last code
                           "HBF_CODE_RANGE 0xA0A1-0xA2A1 g.bin 0"};  // encloses the other
  for (const char* clash : clashes) {
    reporter.messages.clear();
    EXPECT_EQ(open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin 0", clash})), nullptr);
    EXPECT_EQ(reporter.only(), L"code ranges overlap") << clash;
  }
}

TEST_F(HbfGlyphTest, BitmapFileLengthIsCheckedAgainstTheWholeRange) {
  const std::string range = "HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin 0x10";
  const std::wstring name = dir.path("g.bin");
  dir.write("g.bin", std::string(0x10, 'x') + glyphData(4, 32));
  EXPECT_NE(open(hbfFont({range}, kByte2)), nullptr);

  dir.write("g.bin", std::string(0x10, 'x') + glyphData(4, 32).substr(1));
  EXPECT_EQ(open(hbfFont({range}, kByte2)), nullptr);
  EXPECT_EQ(reporter.only(),
            L"bitmap file '" + name + L"' is too short - code range appears to be 0xa1a1-0xa1a3");

  reporter.messages.clear();
  dir.write("g.bin", std::string(0x10 + 31, 'x'));
  EXPECT_EQ(open(hbfFont({range}, kByte2)), nullptr);
  EXPECT_EQ(reporter.only(),
            L"bitmap file '" + name + L"' too short: no room for any bitmaps at offset 0x0010");

  reporter.messages.clear();
  dir.write("g.bin", std::string(0xF, 'x'));
  EXPECT_EQ(open(hbfFont({range}, kByte2)), nullptr);
  EXPECT_EQ(reporter.only(), L"bitmap file '" + name + L"' is shorter than offset 0x0010");
}

TEST_F(HbfGlyphTest, ShortFileMessageNamesTheCodeBelowTheFirstMissingGlyph) {
  // Two whole glyphs (B0FD, B0FE): the first missing one is B1A1, so B1A0.
  dir.write("g.bin", glyphData(2, 32) + "tail");
  EXPECT_EQ(open(hbfFont({"HBF_CODE_RANGE 0xB0FD-0xB1A2 g.bin 0"}, kByte2)), nullptr);
  EXPECT_EQ(reporter.only(), L"bitmap file '" + dir.path("g.bin") +
                                 L"' is too short - code range appears to be 0xb0fd-0xb1a0");
  // Across the gap between two second-byte ranges: A17E whole, A1A1 missing.
  reporter.messages.clear();
  const std::string big5 =
      "HBF_START_BYTE_2_RANGES 2\nHBF_BYTE_2_RANGE 0x40-0x7E\nHBF_BYTE_2_RANGE 0xA1-0xFE\n"
      "HBF_END_BYTE_2_RANGES\n";
  EXPECT_EQ(open(hbfFont({"HBF_CODE_RANGE 0xA17D-0xA1A2 g.bin 0"}, big5)), nullptr);
  EXPECT_EQ(reporter.only(), L"bitmap file '" + dir.path("g.bin") +
                                 L"' is too short - code range appears to be 0xa17d-0xa1a0");
}

TEST_F(HbfGlyphTest, AbsoluteNamesShareAHandleRelativeNamesGetOneEach) {
  dir.write("g.bin", glyphData(8, 32));
  std::string absolute = std::filesystem::path(dir.path("g.bin")).string();
  FontPtr shared = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A2 " + absolute + " 0",
                                 "HBF_CODE_RANGE 0xA2A1-0xA2A2 " + absolute + " 64"},
                                kByte2));
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->bitmapFiles.size(), 1u);
  EXPECT_EQ(shared->codeRanges[0].file, shared->codeRanges[1].file);

  FontPtr separate = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin 0",
                                   "HBF_CODE_RANGE 0xA2A1-0xA2A2 g.bin 64"},
                                  kByte2));
  ASSERT_NE(separate, nullptr);
  ASSERT_EQ(separate->bitmapFiles.size(), 2u);
  EXPECT_NE(separate->codeRanges[0].file, separate->codeRanges[1].file);
  EXPECT_EQ(separate->bitmapFiles[0]->name, dir.path("g.bin"));

  // Either way, glyph reads through the handles stay independent.
  for (HbfFont* font : {shared.get(), separate.get()}) {
    uint8_t a[32], b[32];
    ASSERT_NE(font->GetBitmap(0xA2A2, a), nullptr);
    ASSERT_NE(font->GetBitmap(0xA1A1, b), nullptr);
    EXPECT_EQ(bytesOf(a, 32), complement(glyphData(8, 32).substr(3 * 32, 32)));
    EXPECT_EQ(bytesOf(b, 32), complement(glyphData(8, 32).substr(0, 32)));
  }
}

// A 16 × 12 glyph stored column by column: 16 columns of 2 bytes, 4 padding bits.
std::string transposedTwin(const std::string& rows) {
  std::string columns(32, '\0');
  for (int c = 0; c < 16; ++c) {
    for (int r = 0; r < 12; ++r) {
      bool ink = (static_cast<uint8_t>(rows[r * 2 + c / 8]) >> (7 - c % 8)) & 1;
      if (ink) columns[c * 2 + r / 8] = static_cast<char>(columns[c * 2 + r / 8] | (0x80 >> (r % 8)));
    }
    columns[c * 2 + 1] = static_cast<char>(columns[c * 2 + 1] | 0x0F);  // padding is ignored
  }
  return columns;
}

TEST_F(HbfGlyphTest, TransposedAndInvertedGlyphsEqualTheirNormalTwins) {
  const std::string rows = glyphData(3, 24);  // 12 rows of 2 bytes
  std::string transposed;
  for (int k = 0; k < 3; ++k) transposed += transposedTwin(rows.substr(k * 24, 24));
  dir.write("n.bin", rows);
  dir.write("t.bin", transposed);
  dir.write("i.bin", complement(rows));
  dir.write("ti.bin", complement(transposed));
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A3 n.bin 0",
                               "HBF_CODE_RANGE 0xA2A1-0xA2A3 t.bin 0 Transposed",
                               "HBF_CODE_RANGE 0xA3A1-0xA3A3 i.bin 0 inverted",
                               "HBF_CODE_RANGE 0xA4A1-0xA4A3 ti.bin 0 I s extra"},
                              kByte2, 16, 12));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->codeRanges[1].transposed, 1);
  EXPECT_EQ(font->codeRanges[2].inverted, 1);
  EXPECT_EQ(font->codeRanges[2].transposed, 0);
  for (int k = 0; k < 3; ++k) {
    uint8_t normal[24], other[24];
    ASSERT_NE(font->GetBitmap(static_cast<uint16_t>(0xA1A1 + k), normal), nullptr);
    for (uint16_t row : {0xA200, 0xA300, 0xA400}) {
      ASSERT_NE(font->GetBitmap(static_cast<uint16_t>(row + 0xA1 + k), other), nullptr);
      EXPECT_EQ(bytesOf(other, 24), bytesOf(normal, 24)) << std::hex << row << " " << k;
    }
  }
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HbfGlyphTest, TransposedRangeLengthCountsColumns) {
  // 16 × 12 transposed glyphs need 32 bytes each, not 24.
  dir.write("t.bin", std::string(3 * 32 - 1, '\0'));
  EXPECT_EQ(open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A3 t.bin 0 T"}, kByte2, 16, 12)), nullptr);
  EXPECT_EQ(reporter.only(), L"bitmap file '" + dir.path("t.bin") +
                                 L"' is too short - code range appears to be 0xa1a1-0xa1a2");
}

TEST_F(HbfGlyphTest, RangeTooLargeFor32BitArithmeticIsRejected) {
  // 65536 glyphs of 1024 × 1024 pixels: 2^33 bytes, which wraps to 0 in 32 bits.
  dir.write("g.bin", std::string(1024 * 128, '\0'));
  EXPECT_EQ(open(hbfFont({"HBF_CODE_RANGE 0x0000-0xFFFF g.bin 0"}, "", 1024, 1024)), nullptr);
  EXPECT_EQ(reporter.only(), L"bitmap file '" + dir.path("g.bin") +
                                 L"' is too short - code range appears to be 0x0000-0x0000");
}

TEST_F(HbfGlyphTest, OffsetsBeyondTheFileAreRejected) {
  dir.write("g.bin", glyphData(4, 32));
  for (const char* offset : {"0xFFFFFFFF", "-1", "0x7FFFFFFF"}) {
    reporter.messages.clear();
    EXPECT_EQ(open(hbfFont({std::string("HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin ") + offset}, kByte2)),
              nullptr);
    EXPECT_NE(reporter.only().find(L"is shorter than offset 0x"), std::wstring::npos) << offset;
  }
}

#ifndef _WIN32
// Windows refuses to truncate a file that the font holds open; POSIX allows it.
TEST_F(HbfGlyphTest, BitmapFileThatShrinksAfterOpeningGivesAReadError) {
  dir.write("g.bin", glyphData(4, 32));
  FontPtr font = open(hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A4 g.bin 0"}, kByte2));
  ASSERT_NE(font, nullptr);
  std::filesystem::resize_file(dir.root() / "g.bin", 40);
  uint8_t buffer[32];
  EXPECT_NE(font->GetBitmap(0xA1A1, buffer), nullptr);
  EXPECT_EQ(font->GetBitmap(0xA1A2, buffer), nullptr);
  EXPECT_EQ(reporter.only(), L"read error on code 0xa1a2");
  reporter.messages.clear();
  EXPECT_EQ(font->GetBitmap(0xA1A4, buffer), nullptr);
  EXPECT_EQ(reporter.only(), L"read error on code 0xa1a4");
}
#endif

TEST(HbfNameResolution, NamesResolveAgainstTheDescriptionsPath) {
  EXPECT_EQ(resolveBitmapName(L"\\Windows\\dxi24.hbf", L"dxi24.bin"), L"\\Windows\\dxi24.bin");
  EXPECT_EQ(resolveBitmapName(L"\\Windows\\dxi24.hbf", L"D:\\x.bin"), L"D:\\x.bin");
  EXPECT_EQ(resolveBitmapName(L"C:\\fonts\\a.hbf", L"\\x.bin"), L"C:\\x.bin");
  EXPECT_EQ(resolveBitmapName(L"\\fonts\\a.hbf", L"\\x.bin"), L"\\x.bin");
  EXPECT_EQ(resolveBitmapName(L"a.hbf", L"x.bin"), L"x.bin");
  EXPECT_EQ(resolveBitmapName(L"\\Storage Card\\Kelvaro\\a.hbf", L"sub\\x.bin"),
            L"\\Storage Card\\Kelvaro\\sub\\x.bin");
  EXPECT_EQ(resolveBitmapName(L"data/fonts/a.hbf", L"x.bin"), L"data/fonts/x.bin");
}

}  // namespace
}  // namespace morvane::test
