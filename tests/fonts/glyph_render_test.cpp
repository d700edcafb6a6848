// Drawing with HbfCharFont into a memory device context, checked by pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "hbf_test_support.h"
#include "lesson/char_token.h"
#include "ui/hbf_char_font.h"

namespace morvane::test {
namespace {

const COLORREF kBackground = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kOrange = RGB(255, 102, 0);

// Glyph 0xA1A1 of the test font: a 4 × 4 block at the top left and a full
// bottom row; 0xA1A2: a single pixel at (15, 0).
std::string testGlyphs() {
  std::string first(32, '\0'), second(32, '\0');
  for (int r = 0; r < 4; ++r) first[r * 2] = static_cast<char>(0xF0);
  first[30] = first[31] = static_cast<char>(0xFF);
  second[1] = 0x01;
  return first + second;
}

// A 400 × 120 32-bit bitmap in a memory device context, filled with green.
class Canvas {
 public:
  Canvas() {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH fill = CreateSolidBrush(kBackground);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc_, &all, fill);
    DeleteObject(fill);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }
  // Pixels of a colour inside [left, right) × [top, bottom).
  int count(COLORREF colour, int left = 0, int top = 0, int right = kWidth,
            int bottom = kHeight) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += at(x, y) == colour;
    }
    return n;
  }
  // Bounds of every pixel that is no longer the background colour.
  RECT painted() const {
    RECT r{kWidth, kHeight, -1, -1};
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (at(x, y) == kBackground) continue;
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x);
        r.bottom = std::max<LONG>(r.bottom, y);
      }
    }
    return r;
  }

  static constexpr int kWidth = 400;
  static constexpr int kHeight = 120;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

class GlyphRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("g.bin", testGlyphs());
    dir.write("t.hbf", hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A2 g.bin 0"}));
    font = std::make_unique<HbfCharFont>(dir.path("t.hbf"), reporter);
    ASSERT_TRUE(font->IsOpen());
  }
  // A string of the given codes; codes below 256 are single-byte cells.
  CharString* text(std::initializer_list<uint16_t> codes) {
    for (uint16_t c : codes) {
      tokens.push_back(std::make_unique<CharToken>());
      tokens.back()->first = static_cast<uint8_t>(c >> 8);
      tokens.back()->second = static_cast<uint8_t>(c & 0xFF);
      chars.Append(tokens.back().get());
    }
    return &chars;
  }

  ScratchDir dir;
  RecordingReporter reporter;
  std::unique_ptr<HbfCharFont> font;
  std::vector<std::unique_ptr<CharToken>> tokens;
  CharString chars;
};

void expectGlyphAt(const Canvas& canvas, int x, int y, int scale) {
  for (int gy = 0; gy < 16; ++gy) {
    for (int gx = 0; gx < 16; ++gx) {
      bool ink = (gx < 4 && gy < 4) || gy == 15;
      for (int d = 0; d < scale * scale; ++d) {
        int px = x + gx * scale + d % scale, py = y + gy * scale + d / scale;
        ASSERT_EQ(canvas.at(px, py), ink ? kBlack : kWhite) << gx << "," << gy << " at " << px << "," << py;
      }
    }
  }
}

TEST_F(GlyphRenderTest, GlyphDrawnAtItsNaturalSizeAndDoubled) {
  Canvas canvas;
  CharToken token{0xA1, 0xA1};
  font->DrawCharNatural(canvas.dc(), 10, 20, token);
  expectGlyphAt(canvas, 10, 20, 1);
  font->DrawChar(canvas.dc(), 100, 20, 32, 32, token);
  expectGlyphAt(canvas, 100, 20, 2);
  EXPECT_EQ(canvas.at(9, 20), kBackground);
  EXPECT_EQ(canvas.at(132, 20), kBackground);
  EXPECT_EQ(canvas.at(100, 52), kBackground);
}

TEST_F(GlyphRenderTest, FittedStringIsScaledAndCentred) {
  Canvas canvas;
  // H = 42 - 6 = 36, so s = 2: a 32-pixel cell at (5 + (230 - 32) / 2, 10 + 2 + 3).
  font->DrawString(canvas.dc(), 5, 10, 230, 42, text({0xA1A1}), kAlignCentre);
  expectGlyphAt(canvas, 5 + 99, 15, 2);
  RECT painted = canvas.painted();
  EXPECT_EQ(painted.left, 104);
  EXPECT_EQ(painted.right, 104 + 31);
}

TEST_F(GlyphRenderTest, LeftAlignedStringsStartAtTheScrollOffset) {
  Canvas canvas;
  font->DrawStringScrolled(canvas.dc(), 50, 0, 100, 22, text({0xA1A1, 0xA1A2}), kAlignLeft, 30);
  // Scale 1, cells at 30 + 4 and 30 + 4 + trunc(34 / 2).
  expectGlyphAt(canvas, 34, 3, 1);
  EXPECT_EQ(canvas.at(34 + 17 + 15, 3), kBlack);
  EXPECT_EQ(canvas.at(34 + 17 + 14, 3), kWhite);
}

TEST_F(GlyphRenderTest, UnreadableGlyphRepeatsThePreviousOne) {
  Canvas canvas;
  font->DrawCharNatural(canvas.dc(), 10, 10, CharToken{0xA1, 0xA1});
  font->DrawCharNatural(canvas.dc(), 40, 10, CharToken{0xA5, 0xA5});
  EXPECT_EQ(reporter.only(), L"code 0xa5a5 out of range");
  expectGlyphAt(canvas, 40, 10, 1);
}

TEST_F(GlyphRenderTest, MarksDrawCrossesForMissingData) {
  const uint8_t none[] = {0, 0};
  const uint8_t strokesOnly[] = {1, 1};
  const uint8_t both[] = {3, 3};
  // h 50, markHeight 10: H = 37, s = 2, cells 32 at top 10 + 2 + 3 = 15; mark line 15 + 32 + 10.
  const int m = 57;
  const int f = (16 - 5) / 2;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF;
  {
    Canvas canvas;
    font->DrawStringWithMarks(canvas.dc(), 0, 10, 400, 50, text({0xA1A1}), none, kAlignLeft, 10, 0);
    const int cx = 4;
    EXPECT_GT(canvas.count(kBlue, cx + f - 1, m - 8, cx + f + 8, m + 1), 6);
    EXPECT_GT(canvas.count(kOrange, cx + 16 + f - 1, m - 8, cx + 16 + f + 8, m + 1), 6);
    EXPECT_GT(canvas.count(shadow, cx + f, m - 7, cx + f + 8, m + 1), 0);
    EXPECT_EQ(canvas.count(kBlue), canvas.count(kBlue, cx + f - 1, m - 8, cx + f + 8, m + 1));
  }
  {
    Canvas canvas;
    font->DrawStringWithMarks(canvas.dc(), 0, 10, 400, 50, text({}), strokesOnly, kAlignLeft, 10, 0);
    EXPECT_EQ(canvas.count(kBlue), 0);
    EXPECT_GT(canvas.count(kOrange), 6);
  }
  {
    Canvas canvas;
    font->DrawStringWithMarks(canvas.dc(), 0, 10, 400, 50, text({}), both, kAlignLeft, 10, 0);
    EXPECT_EQ(canvas.count(kBlue), 0);
    EXPECT_EQ(canvas.count(kOrange), 0);
    EXPECT_EQ(canvas.count(shadow), 0);
    expectGlyphAt(canvas, 4, 15, 2);
  }
}

TEST_F(GlyphRenderTest, SingleByteTextGoesThroughDrawText) {
  Canvas canvas;
  SetBkMode(canvas.dc(), TRANSPARENT);
  font->DrawString(canvas.dc(), 0, 0, 200, 40, text({'W', 'M'}), kAlignLeft);
  RECT left = canvas.painted();
  ASSERT_GE(left.right, 0) << "no text drawn";
  EXPECT_GE(left.left, 4);
  EXPECT_LT(left.left, 10);

  Canvas right;
  SetBkMode(right.dc(), TRANSPARENT);
  font->DrawString(right.dc(), 0, 0, 200, 40, &chars, kAlignRight);
  RECT r = right.painted();
  EXPECT_LT(r.right, 196);
  EXPECT_GT(r.right, 180);
  EXPECT_EQ(right.count(kBlack), canvas.count(kBlack));  // same text, moved
}

TEST_F(GlyphRenderTest, EmptyStringDrawsNothing) {
  Canvas canvas;
  font->DrawString(canvas.dc(), 0, 0, 200, 40, text({}), kAlignCentre);
  font->DrawString(canvas.dc(), 0, 0, 200, 40, nullptr, kAlignCentre);
  EXPECT_EQ(canvas.count(kBackground), Canvas::kWidth * Canvas::kHeight);
}

TEST_F(GlyphRenderTest, MixedStringDrawsSingleBytesCentredInTheirCells) {
  Canvas canvas;
  SetBkMode(canvas.dc(), TRANSPARENT);
  font->DrawString(canvas.dc(), 0, 0, 400, 22, text({'I', 0xA1A1}), kAlignLeft);
  // Cells at 4 and 4 + trunc(34 / 2) = 21, top 3.
  expectGlyphAt(canvas, 21, 3, 1);
  EXPECT_GT(canvas.count(kBlack, 4, 3, 20, 19), 0);
  EXPECT_EQ(canvas.count(kBlack, 0, 0, 4, 22), 0);
}

TEST_F(GlyphRenderTest, GlyphsAndSizes) {
  EXPECT_EQ(font->CharWidth(), 16);
  EXPECT_EQ(font->CharHeight(), 16);
  EXPECT_EQ(font->TextWidth(text({0xA1A1, 0xA1A1, 0xA1A1})), 3 * 16 + 2 * 2);
  EXPECT_EQ(font->GetGlyph(CharToken{0, 'A'}), nullptr);
  const uint8_t* glyph = font->GetGlyph(CharToken{0xA1, 0xA2});
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph[1], 0xFE);  // the one ink pixel is a 0 bit
  EXPECT_EQ(font->Reserved1(), 0);
}

TEST_F(GlyphRenderTest, HitTestIncludesCellEdgesButNotGaps) {
  // Two cells at scale 1 in a 100 × 22 box: (4..20, 3..19) and (21..37, 3..19).
  RECT first = font->GetCharRect(0, 0, 0, 100, 22, 2, kAlignLeft);
  EXPECT_EQ(first.left, 4);
  EXPECT_EQ(first.top, 3);
  EXPECT_EQ(first.right, 20);
  EXPECT_EQ(first.bottom, 19);
  EXPECT_EQ(font->HitTest(20, 19, 0, 0, 100, 22, 2, kAlignLeft), 0);
  EXPECT_EQ(font->HitTest(21, 3, 0, 0, 100, 22, 2, kAlignLeft), 1);
  EXPECT_EQ(font->HitTest(3, 10, 0, 0, 100, 22, 2, kAlignLeft), -1);
  EXPECT_EQ(font->HitTest(10, 20, 0, 0, 100, 22, 2, kAlignLeft), -1);
  // With wider cells the gap between them appears.
  RECT a = font->GetCharRect(0, 0, 0, 8 + 104, 38, 3, kAlignLeft);
  RECT b = font->GetCharRect(1, 0, 0, 8 + 104, 38, 3, kAlignLeft);
  EXPECT_EQ(a.right, 4 + 32);
  EXPECT_EQ(b.left, 4 + 34);
  EXPECT_EQ(font->HitTest(37, 20, 0, 0, 8 + 104, 38, 3, kAlignLeft), -1);
  EXPECT_EQ(font->HitTest(10, 10, 0, 0, 100, 22, 0, kAlignLeft), -1);
}

// The slot of a virtual function in the Itanium C++ ABI (GCC, MinGW): a
// pointer to a virtual member holds 1 + its byte offset in the table.
template <typename F>
ptrdiff_t slotOf(F member) {
  ptrdiff_t raw[2];
  static_assert(sizeof(member) == sizeof(raw), "Itanium member pointers");
  std::memcpy(raw, &member, sizeof raw);
  return (raw[0] - 1) / static_cast<ptrdiff_t>(sizeof(void*));
}

TEST(CharFontSlots, VirtualOperationsKeepTheirOrder) {
  // Slots 0 and 1 are the two destructor entries.
  EXPECT_EQ(slotOf(&CharFont::DrawString), 2);
  EXPECT_EQ(slotOf(&CharFont::TextWidth), 3);
  EXPECT_EQ(slotOf(&CharFont::Reserved1), 4);
  EXPECT_EQ(slotOf(&CharFont::IsOpen), 5);
  EXPECT_EQ(slotOf(&CharFont::Reserved2), 6);
  EXPECT_EQ(slotOf(&CharFont::Reserved3), 7);
  EXPECT_EQ(slotOf(&CharFont::GetGlyph), 8);
  EXPECT_EQ(slotOf(&CharFont::DrawStringScrolled), 9);
  EXPECT_EQ(slotOf(&CharFont::DrawStringNatural), 10);
  EXPECT_EQ(slotOf(&CharFont::DrawChar), 11);
  EXPECT_EQ(slotOf(&CharFont::DrawCharNatural), 12);
  EXPECT_EQ(slotOf(&CharFont::CharHeight), 13);
  EXPECT_EQ(slotOf(&CharFont::CharWidth), 14);
  EXPECT_EQ(slotOf(&CharFont::DrawStringWithMarks), 15);
  EXPECT_EQ(slotOf(&CharFont::DrawStringNaturalScrolled), 16);
}

TEST(HbfCharFontOpening, MissingFontIsSilentMalformedFontIsReported) {
  ScratchDir dir;
  RecordingReporter reporter;
  HbfCharFont missing(dir.path("none.hbf"), reporter);
  EXPECT_EQ(missing.IsOpen(), 0);
  EXPECT_TRUE(reporter.messages.empty());
  // Drawing with a font that never opened paints nothing rather than crashing.
  Canvas canvas;
  CharToken token{0xA1, 0xA1};
  missing.DrawCharNatural(canvas.dc(), 0, 0, token);
  EXPECT_EQ(missing.GetGlyph(token), nullptr);
  EXPECT_EQ(canvas.count(kBackground), Canvas::kWidth * Canvas::kHeight);
  dir.write("bad.hbf", "HBF_START_FONT 1.1\n");
  HbfCharFont bad(dir.path("bad.hbf"), reporter);
  EXPECT_EQ(bad.IsOpen(), 0);
  EXPECT_EQ(reporter.only(), L"unexpected end of file");
}

// A 20 × 24 font: three-byte glyph rows whose last byte is half padding.
// Each row inks columns 0 and 19 and sets every padding bit (columns 20 to
// 23), which must never be drawn; the last row inks the whole width.
std::string twentyWideGlyph() {
  std::string glyph;
  for (int row = 0; row < 24; ++row) {
    const bool last = row == 23;
    glyph += static_cast<char>(last ? 0xFF : 0x80);
    glyph += static_cast<char>(last ? 0xFF : 0x00);
    glyph += static_cast<char>(last ? 0xFF : 0x1F);
  }
  return glyph;
}

// The fixture's helpers over a 20 × 24 font of three such glyphs.
class GlyphRowTest : public GlyphRenderTest {
 protected:
  void SetUp() override {
    dir.write("w.bin", twentyWideGlyph() + twentyWideGlyph() + twentyWideGlyph());
    dir.write("w.hbf", hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A3 w.bin 0"}, "", 20, 24));
    font = std::make_unique<HbfCharFont>(dir.path("w.hbf"), reporter);
    ASSERT_TRUE(font->IsOpen());
  }
};

TEST_F(GlyphRowTest, ThreeByteRowsDrawTheirColumnsAndNoPadding) {
  EXPECT_EQ(font->CharWidth(), 20);
  EXPECT_EQ(font->CharHeight(), 24);
  Canvas pixels;
  CharToken token{0xA1, 0xA1};
  font->DrawCharNatural(pixels.dc(), 10, 5, token);
  for (int y = 5; y < 28; ++y) {
    EXPECT_EQ(pixels.at(10, y), kBlack) << y;
    EXPECT_EQ(pixels.at(29, y), kBlack) << y;
    EXPECT_EQ(pixels.count(kBlack, 11, y, 29, y + 1), 0) << y;
  }
  EXPECT_EQ(pixels.count(kBlack, 10, 28, 30, 29), 20);  // the full last row
  EXPECT_EQ(pixels.count(kBlack, 30, 0, 60, 40), 0);  // padding columns 20..23
  EXPECT_EQ(pixels.count(kBlack, 0, 29, 60, 40), 0);
}

TEST_F(GlyphRowTest, MarksUnderEachCharacterFollowItsByte) {
  // Character 0: no data (both crosses); 1: feedback only, mark byte 2 (the
  // stroke cross); 2: both kinds (no cross).
  const uint8_t marks[] = {0, 2, 3};
  Canvas pixels;
  const int markHeight = 10, boxTop = 10, boxHeight = 60;
  font->DrawStringWithMarks(pixels.dc(), 0, boxTop, 400, boxHeight,
                            text({0xA1A1, 0xA1A2, 0xA1A3}), marks, kAlignLeft, markHeight, 0);
  for (int i = 0; i < 3; ++i) {
    const RECT r = font->GetCharRect(i, 0, boxTop, 400, boxHeight - markHeight + 3, 3, kAlignLeft);
    const int blue = pixels.count(kBlue, r.left, r.bottom, r.right, boxTop + boxHeight);
    const int orange = pixels.count(kOrange, r.left, r.bottom, r.right, boxTop + boxHeight);
    EXPECT_EQ(blue > 0, marks[i] == 0 || marks[i] == 2) << i;
    EXPECT_EQ(orange > 0, marks[i] == 0) << i;
  }
}

}  // namespace
}  // namespace morvane::test
