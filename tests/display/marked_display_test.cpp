// The marked display: crosses for missing stroke and feedback data, its own
// copy of the marks, and the field order the main window relies on.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "display_test_support.h"
#include "gdi_probe.h"
#include "ui/marked_jpn_display.h"

namespace morvane::test {
namespace {

// A 200 × 60 Hanzi view (mark height 11) of two characters: scale 2, cells
// 32 pixels from x 4 and 40.
class MarkedDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    display.SetFont(font.get());
    display.Move(0, 0, 200, 60);
  }
  // The view painted into a white bitmap with these marks.
  std::unique_ptr<PixelCanvas> PaintWith(std::vector<uint8_t> marks) {
    display.SetCharsWithMarks(text.chars(), std::move(marks));
    auto pixels = std::make_unique<PixelCanvas>(200, 60, kWhite);
    display.OnPaint(pixels->dc);
    return pixels;
  }
  // Crosses of one colour under character i.
  int CrossPixels(const PixelCanvas& pixels, int i, COLORREF color) {
    const int left = 4 + 36 * i;
    return pixels.CountColor(color, left, 40, left + 32, 60);
  }

  SolidFont font;
  TestText text{2};
  HostWindow host{300, 200};
  MarkedJpnDisplay display{0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr), nullptr, 1, 11};
};

TEST_F(MarkedDisplay, MarksMissingStrokeDataBlueAndMissingFeedbackOrange) {
  const auto pixels = PaintWith({0, 3});
  EXPECT_GT(CrossPixels(*pixels, 0, kBlue), 0);
  EXPECT_GT(CrossPixels(*pixels, 0, kOrange), 0);
  EXPECT_EQ(CrossPixels(*pixels, 1, kBlue), 0);
  EXPECT_EQ(CrossPixels(*pixels, 1, kOrange), 0);
}

TEST_F(MarkedDisplay, EachBitClearsItsOwnCross) {
  const auto pixels = PaintWith({1, 2});
  EXPECT_EQ(CrossPixels(*pixels, 0, kBlue), 0);
  EXPECT_GT(CrossPixels(*pixels, 0, kOrange), 0);
  EXPECT_GT(CrossPixels(*pixels, 1, kBlue), 0);
  EXPECT_EQ(CrossPixels(*pixels, 1, kOrange), 0);
}

TEST_F(MarkedDisplay, KeepsItsOwnCopyOfTheMarks) {
  std::vector<uint8_t> marks{0, 3};
  display.SetCharsWithMarks(text.chars(), marks);
  marks[1] = 0;
  ASSERT_EQ(display.marks.Count(), 2);
  EXPECT_EQ(display.marks[0], 0);
  EXPECT_EQ(display.marks[1], 3);
  EXPECT_EQ(display.marks.capacity, 64);
  EXPECT_EQ(display.marks.growBy, 64);
  display.SetCharsWithMarks(text.chars(), {3});
  EXPECT_EQ(display.marks.Count(), 1);
}

TEST_F(MarkedDisplay, ACharacterWithoutAMarkByteGetsNoCross) {
  const auto pixels = PaintWith({0});
  EXPECT_GT(CrossPixels(*pixels, 0, kBlue), 0);
  EXPECT_EQ(CrossPixels(*pixels, 1, kBlue), 0);
  EXPECT_EQ(CrossPixels(*pixels, 1, kOrange), 0);
}

TEST_F(MarkedDisplay, HiddenTextHidesTheMarksToo) {
  display.textEnabled = 0;
  const auto pixels = PaintWith({0, 0});
  EXPECT_EQ(pixels->CountColor(kBlue, 0, 0, 200, 60), 0);
}

TEST(DisplayFields, ComeInTheirOrderAfterThoseOfWindow) {
  HostWindow host;
  MarkedJpnDisplay d(0, 0, 10, 10, host.hwnd, GetModuleHandleW(nullptr), nullptr, 1, 3);
  EXPECT_TRUE(InOrder(d.lightPen, d.textEnabled, d.chars, d.font, d.pen, d.clipRegion, d.align,
                      d.markHeight, d.lastX, d.scrollOffset, d.dragDistance, d.minScrollOffset,
                      d.pressTime, d.pressed, d.largeStrokes, d.marks));
  EXPECT_EQ(d.align, 1);
  EXPECT_EQ(d.markHeight, 3);
}

}  // namespace
}  // namespace morvane::test
