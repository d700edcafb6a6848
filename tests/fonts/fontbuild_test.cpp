// The font builder: what it writes reads back through HbfFont and holds the
// expected glyph for known characters of each encoding.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "font_builder.h"
#include "font_sources.h"
#include "hbf_test_support.h"
#include "ui/hbf_font.h"

namespace morvane::test {
namespace {

using namespace morvane::fontbuild;

FontRecipe recipeNamed(const std::string& name) {
  for (const FontRecipe& recipe : trainerFonts()) {
    if (recipe.fileName == name) return recipe;
  }
  ADD_FAILURE() << name;
  return {};
}

// The glyph of a Unifont character (16 × 16 wide form) as rows of '#' and '.'.
std::vector<std::string> unifontRows(const std::string& file, const std::string& key) {
  std::ifstream in("/usr/share/unifont/" + file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, key.size() + 1, key + ":") != 0) continue;
    std::vector<std::string> rows;
    for (int r = 0; r < 16; ++r) {
      std::string row;
      for (int d = 0; d < 4; ++d) {
        int v = std::stoi(line.substr(key.size() + 1 + r * 4 + d, 1), nullptr, 16);
        for (int b = 3; b >= 0; --b) row += (v >> b & 1) ? '#' : '.';
      }
      rows.push_back(row);
    }
    return rows;
  }
  ADD_FAILURE() << key << " not in " << file;
  return {};
}

std::vector<std::string> rowsOf(const GlyphBitmap& glyph) {
  std::vector<std::string> rows;
  for (int y = 0; y < glyph.size(); ++y) {
    std::string row;
    for (int x = 0; x < glyph.size(); ++x) row += glyph.ink(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

class FontBuildTest : public ::testing::Test {
 protected:
  // Builds the named font with its first bytes narrowed to lead, then reads
  // the glyph of code back as rows ('#' ink), through HbfFont as the trainer would.
  std::vector<std::string> builtGlyph(const std::string& name, uint8_t lead, uint16_t code) {
    FontRecipe recipe = recipeNamed(name);
    recipe.leads = {lead, lead};
    GlyphSource* primary = nullptr;
    GlyphSource* fallback = nullptr;
    std::string note, error;
    BuildCounts counts;
    EXPECT_TRUE(sources.sourcesFor(recipe, primary, fallback, note, error)) << error;
    if (!primary) return {};
    EXPECT_TRUE(buildFont(recipe, *primary, fallback, dir.root().string(), note, counts, error))
        << error;
    FontPtr font(HbfFont::Open(dir.path(name), reporter));
    EXPECT_NE(font, nullptr);
    if (!font) return {};
    EXPECT_EQ(font->bitmapBox.width, recipe.pixels);
    std::vector<uint8_t> glyph(font->GlyphBytes());
    EXPECT_NE(font->GetBitmap(code, glyph.data()), nullptr);
    std::vector<std::string> rows;
    const int stride = (recipe.pixels + 7) / 8;
    for (int y = 0; y < recipe.pixels; ++y) {
      std::string row;
      for (int x = 0; x < recipe.pixels; ++x) {
        row += (glyph[y * stride + x / 8] >> (7 - x % 8) & 1) ? '.' : '#';
      }
      rows.push_back(row);
    }
    EXPECT_TRUE(reporter.messages.empty());
    return rows;
  }

  ScratchDir dir;
  RecordingReporter reporter;
  FontSources sources{SourcePaths{}};
};

TEST_F(FontBuildTest, GbB0A1IsTheUmingGlyphOfU554A) {
  FreeTypeSource uming;
  std::string error;
  ASSERT_TRUE(uming.open(SourcePaths{}.uming, 0, 24, error)) << error;
  GlyphBitmap expected(24);
  ASSERT_TRUE(uming.draw(0x554A, expected));
  EXPECT_EQ(builtGlyph("dxi24.hbf", 0xB0, 0xB0A1), rowsOf(expected));
  EXPECT_FALSE(expected.empty());
}

TEST_F(FontBuildTest, Big5A440IsOneHorizontalStroke) {
  std::vector<std::string> rows = builtGlyph("dxib5p.hbf", 0xA4, 0xA440);
  ASSERT_EQ(rows.size(), 24u);
  int inkRows = 0, widest = 0;
  for (const std::string& row : rows) {
    int ink = static_cast<int>(std::count(row.begin(), row.end(), '#'));
    if (ink > 0) ++inkRows;
    widest = std::max(widest, ink);
  }
  EXPECT_GE(inkRows, 1);
  EXPECT_LE(inkRows, 4);
  EXPECT_GE(widest, 18);
}

TEST_F(FontBuildTest, Jis3021IsTheJapaneseUnifontGlyphOfU4E9C) {
  EXPECT_EQ(builtGlyph("jis16.hbf", 0x30, 0x3021), unifontRows("unifont_jp.hex", "4E9C"));
}

TEST_F(FontBuildTest, KsB0A1IsTheUnifontGlyphOfUAC00) {
  EXPECT_EQ(builtGlyph("uwksc-16.hbf", 0xB0, 0xB0A1), unifontRows("unifont.hex", "AC00"));
}

TEST_F(FontBuildTest, Kanji24HasJisKanaAndBoxesForCodesWithoutCharacters) {
  std::vector<std::string> kana = builtGlyph("kanji24.hbf", 0x24, 0x2422);
  EXPECT_NE(std::count(kana.begin(), kana.end(), std::string(24, '.')), 24);
  EXPECT_EQ(builtGlyph("kanji24.hbf", 0x24, 0x2420), rowsOf(placeholderGlyph(24)));
  EXPECT_EQ(builtGlyph("kanji24.hbf", 0x24, 0x247F), rowsOf(placeholderGlyph(24)));
}

TEST_F(FontBuildTest, HangulMissingFromUmingComesFromUnifontInA24PixelFont) {
  // GB 2312 has no Hangul, but the fallback is shared by every 24-pixel font.
  GlyphSource* primary = nullptr;
  GlyphSource* fallback = nullptr;
  std::string note, error;
  ASSERT_TRUE(sources.sourcesFor(recipeNamed("dxi24.hbf"), primary, fallback, note, error));
  GlyphBitmap glyph(24);
  EXPECT_FALSE(primary->draw(0xAC00, glyph));
  ASSERT_NE(fallback, nullptr);
  EXPECT_TRUE(fallback->draw(0xAC00, glyph));
  EXPECT_FALSE(glyph.empty());
}

TEST(FontRecipes, EveryCodeALessonReaderDeliversIsCovered) {
  struct Expected {
    const char* name;
    const char* range;
    const char* byte2;
  };
  const Expected fonts[] = {
      {"dxi24.hbf", "HBF_CODE_RANGE 0xA0A0-0xFFFF dxi24.bin 0", "0xA0-0xFF"},
      {"kanji24.hbf", "HBF_CODE_RANGE 0x2020-0x7F7F kanji24.bin 0", "0x20-0x7F"},
      {"jis16.hbf", "HBF_CODE_RANGE 0x2020-0x7F7F jis16.bin 0", "0x20-0x7F"},
      {"dxib5p.hbf", "HBF_CODE_RANGE 0xA140-0xFEFE dxib5p.bin 0", "0xA1-0xFE"},
      {"uwksc-16.hbf", "HBF_CODE_RANGE 0xA1A1-0xFEFE uwksc-16.bin 0", "0xA1-0xFE"},
  };
  ASSERT_EQ(trainerFonts().size(), 5u);
  for (const Expected& e : fonts) {
    std::string text = hbfDescription(recipeNamed(e.name), "note");
    EXPECT_NE(text.find(std::string(e.range) + "\n"), std::string::npos) << e.name;
    EXPECT_NE(text.find(std::string("HBF_BYTE_2_RANGE ") + e.byte2 + "\n"), std::string::npos)
        << e.name;
  }
  EXPECT_NE(hbfDescription(recipeNamed("dxib5p.hbf"), "").find("HBF_BYTE_2_RANGE 0x40-0x7E\n"),
            std::string::npos);
}

TEST(GlyphBitmaps, PlaceholderIsAHollowBoxAndScalingKeepsShape) {
  GlyphBitmap box = placeholderGlyph(16);
  EXPECT_TRUE(box.ink(2, 2));
  EXPECT_TRUE(box.ink(13, 13));
  EXPECT_FALSE(box.ink(8, 8));
  EXPECT_FALSE(box.ink(0, 0));
  GlyphBitmap big = scaledGlyph(box, 24);
  EXPECT_TRUE(big.ink(3, 3));
  EXPECT_FALSE(big.ink(12, 12));
  box.setInk(99, -1);  // clipped, not written
  EXPECT_EQ(box.bytes().size(), 32u);
}

}  // namespace
}  // namespace morvane::test
