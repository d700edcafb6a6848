// Fitting a string of cells into a display box.
#include <gtest/gtest.h>

#include "ui/fitting.h"

namespace morvane {
namespace {

FitRequest request(int count, int glyph, int w, int usableHeight, int align = kAlignLeft) {
  FitRequest r;
  r.x = 0;
  r.y = 0;
  r.w = w;
  r.usableHeight = usableHeight;
  r.count = count;
  r.naturalWidth = naturalTextWidth(count, glyph);
  r.glyphWidth = glyph;
  r.glyphHeight = glyph;
  r.align = align;
  return r;
}

TEST(NaturalWidth, CellsPlusAnEighthBetweenNeighbours) {
  EXPECT_EQ(naturalTextWidth(10, 16), 178);
  EXPECT_EQ(naturalTextWidth(1, 24), 24);
  EXPECT_EQ(naturalTextWidth(2, 24), 51);
  EXPECT_EQ(naturalTextWidth(0, 24), 0);
  EXPECT_EQ(naturalTextWidth(3, 12), 3 * 12 + 1 * 2);
}

TEST(FitScale, SmallerScaleWinsAndEnlargementIsWhole) {
  // One 24-pixel character in 230 × 60: sx 9.25, sy 2.25, so a 48 × 48 cell.
  StringFit fit = fitString(request(1, 24, 230, 54));
  EXPECT_FLOAT_EQ(fit.scale, 2.0f);
  EXPECT_EQ(fit.cellWidth, 48);
  EXPECT_EQ(fit.cellHeight, 48);
  EXPECT_EQ(fit.width, 48);
  EXPECT_EQ(fit.top, 6);  // 3 for the margin, 3 to centre 48 in 54
  // Just above 1.00 in whole hundredths the scale stays fractional.
  EXPECT_FLOAT_EQ(fitScale(200, 209, 1000, 24), 201.0f / 200.0f);
  EXPECT_FLOAT_EQ(fitScale(200, 210, 1000, 24), 1.0f);  // 1.01 becomes whole
  EXPECT_FLOAT_EQ(fitScale(24, 8 + 24 * 3, 24 * 5, 24), 3.0f);
  // On a tie in whole hundredths the vertical scale is taken.
  EXPECT_FLOAT_EQ(fitScale(1000, 8 + 1003, 1007, 1000), 1.007f);
  EXPECT_FLOAT_EQ(fitScale(1000, 8 + 1007, 1003, 1000), 1.003f);
}

TEST(FitScale, TextIsNeverShrunk) {
  StringFit fit = fitString(request(10, 16, 100, 10));
  EXPECT_FLOAT_EQ(fit.scale, 1.0f);
  EXPECT_EQ(fit.width, 178);  // runs past the box
  EXPECT_EQ(fit.cellWidth, 16);
  EXPECT_EQ(fit.top, 0);  // dy = trunc(-0.5 × (10 - 16)) = 3
}

TEST(FitScale, EmptyStringsAndDegenerateBoxesStayFinite) {
  EXPECT_FLOAT_EQ(fitScale(0, 100, 48, 24), 2.0f);
  EXPECT_FLOAT_EQ(fitScale(24, -1000, -1000, 24), 1.0f);
  StringFit fit = fitString(request(0, 24, 230, 54));
  EXPECT_EQ(fit.advance, 0.0f);
  EXPECT_FLOAT_EQ(fitScale(24, 2000000000, 2000000000, 1), 2000000000.0f);
}

TEST(FitPlacement, CentredStringsSitInTheMiddleOthersAtTheLeftMargin) {
  FitRequest r = request(2, 16, 200, 20, kAlignCentre);
  r.x = 10;
  StringFit centred = fitString(r);
  EXPECT_EQ(centred.width, 34);
  EXPECT_EQ(centred.start, 10 + (200 - 34) / 2);
  r.align = kAlignRight;  // only plain text knows right alignment
  r.leftStart = 4 + 30;   // scrolled by 30
  EXPECT_EQ(fitString(r).start, 34);
  r.align = 7;
  r.leftStart = 4;
  EXPECT_EQ(fitString(r).start, 4);
}

TEST(FitPlacement, GapsScaleAndSpreadEvenly) {
  // Three 16-pixel cells at scale 2: natural 16*3 + 2*2 = 52, scaled 104.
  StringFit fit = fitString(request(3, 16, 8 + 104, 32));
  EXPECT_FLOAT_EQ(fit.scale, 2.0f);
  EXPECT_EQ(fit.width, 104);
  EXPECT_EQ(fit.cellLeft(0), 4);
  EXPECT_EQ(fit.cellLeft(1), 4 + 34);  // trunc(104 / 3)
  EXPECT_EQ(fit.cellLeft(2), 4 + 69);  // trunc(2 × 34.67)
}

}  // namespace
}  // namespace morvane
