// Glyph rows of three bytes (a 20 × 24 font: the last byte half padding)
// through the DIB section, and marks under several characters.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "hbf_test_support.h"
#include "lesson/char_token.h"
#include "ui/hbf_char_font.h"

namespace morvane::test {
namespace {

const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kOrange = RGB(255, 102, 0);

// A 32-bit memory bitmap filled with green.
class Pixels {
 public:
  Pixels(int width, int height) : width(width), height(height) {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
    HBRUSH fill = CreateSolidBrush(kGreen);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, fill);
    DeleteObject(fill);
  }
  ~Pixels() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc, x, y) & 0xFFFFFF; }
  int count(COLORREF c, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += at(x, y) == c;
    }
    return n;
  }
  HDC dc;
  int width, height;

 private:
  HBITMAP bitmap;
  HGDIOBJ previous;
};

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

class GlyphRows : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("w.bin", twentyWideGlyph() + twentyWideGlyph() + twentyWideGlyph());
    dir.write("w.hbf", hbfFont({"HBF_CODE_RANGE 0xA1A1-0xA1A3 w.bin 0"}, "", 20, 24));
    font = std::make_unique<HbfCharFont>(dir.path("w.hbf"), reporter);
    ASSERT_TRUE(font->IsOpen());
  }
  CharString* text(int count) {
    for (int i = 0; i < count; ++i) {
      tokens.push_back(std::make_unique<CharToken>());
      tokens.back()->first = 0xA1;
      tokens.back()->second = static_cast<uint8_t>(0xA1 + i);
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

TEST_F(GlyphRows, ThreeByteRowsDrawTheirColumnsAndNoPadding) {
  EXPECT_EQ(font->CharWidth(), 20);
  EXPECT_EQ(font->CharHeight(), 24);
  Pixels pixels(60, 40);
  CharToken token{0xA1, 0xA1};
  font->DrawCharNatural(pixels.dc, 10, 5, token);
  for (int y = 5; y < 28; ++y) {
    EXPECT_EQ(pixels.at(10, y), kBlack) << y;
    EXPECT_EQ(pixels.at(29, y), kBlack) << y;
    EXPECT_EQ(pixels.count(kBlack, 11, y, 29, y + 1), 0) << y;
  }
  EXPECT_EQ(pixels.count(kBlack, 10, 28, 30, 29), 20);  // the full last row
  EXPECT_EQ(pixels.count(kBlack, 30, 0, 60, 40), 0);     // padding columns 20..23
  EXPECT_EQ(pixels.count(kBlack, 0, 29, 60, 40), 0);
}

TEST_F(GlyphRows, MarksUnderEachCharacterFollowItsByte) {
  // Character 0: no data (both crosses); 1: feedback only, mark byte 2 (the
  // stroke cross); 2: both kinds (no cross).
  const uint8_t marks[] = {0, 2, 3};
  Pixels pixels(400, 80);
  const int markHeight = 10, boxTop = 10, boxHeight = 60;
  font->DrawStringWithMarks(pixels.dc, 0, boxTop, 400, boxHeight, text(3), marks, kAlignLeft,
                            markHeight, 0);
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
