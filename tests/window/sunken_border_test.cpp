// The sunken border, checked pixel by pixel in a memory bitmap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_probe.h"
#include "ui/window.h"

namespace morvane {
namespace {

const COLORREF kBackground = RGB(0, 0, 255);

// The bitmap as rows of letters: s shadow, h highlight, d dark, l light, . untouched.
std::vector<std::string> Picture(const PixelCanvas& pixels) {
  std::vector<std::string> rows;
  for (int y = 0; y < pixels.height; ++y) {
    std::string row;
    for (int x = 0; x < pixels.width; ++x) {
      switch (pixels.At(x, y)) {
        case RGB(128, 128, 128): row += 's'; break;
        case RGB(255, 255, 255): row += 'h'; break;
        case RGB(0, 0, 0): row += 'd'; break;
        case RGB(192, 192, 192): row += 'l'; break;
        case kBackground: row += '.'; break;
        default: row += '?'; break;
      }
    }
    rows.push_back(row);
  }
  return rows;
}

class SunkenBorder : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Create(0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr), L"BorderTestWindow");
    window.bounds = {2, 1, 12, 9};
    ownPen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(pixels.dc, ownPen);
  }
  void TearDown() override {
    EXPECT_EQ(GetCurrentObject(pixels.dc, OBJ_PEN), ownPen) << "the pen found was not restored";
    SelectObject(pixels.dc, GetStockObject(BLACK_PEN));
    DeleteObject(ownPen);
  }

  HostWindow host;
  Window window;
  PixelCanvas pixels{14, 10, kBackground};
  HPEN ownPen = nullptr;
};

const std::vector<std::string> kTwoRings = {
    "..............",
    "..sssssssssh..",
    "..sdddddddlh..",
    "..sd......lh..",
    "..sd......lh..",
    "..sd......lh..",
    "..sd......lh..",
    "..sdlllllllh..",
    "..shhhhhhhhh..",
    "..............",
};

TEST_F(SunkenBorder, WithoutOutlineDrawsTwoRingsAlongBounds) {
  window.DrawSunkenBorder(pixels.dc, false);
  EXPECT_EQ(Picture(pixels), kTwoRings);
}

TEST_F(SunkenBorder, WithOutlineAddsABlackRingOutside) {
  window.DrawSunkenBorder(pixels.dc, true);
  const std::vector<std::string> expected = {
      "..............",
      "..dddddddddd..",
      "..dssssssshd..",
      "..dsdddddlhd..",
      "..dsd....lhd..",
      "..dsd....lhd..",
      "..dsdlllllhd..",
      "..dshhhhhhhd..",
      "..dddddddddd..",
      "..............",
  };
  EXPECT_EQ(Picture(pixels), expected);
}

TEST_F(SunkenBorder, DefaultPaintingDrawsTheBorderOnlyWhileFramed) {
  window.OnPaint(pixels.dc);
  EXPECT_EQ(Picture(pixels), kTwoRings);

  PixelCanvas clean(14, 10, kBackground);
  window.SetFramed(0)->OnPaint(clean.dc);
  EXPECT_EQ(clean.CountNot(kBackground, 0, 0, 14, 10), 0);
}

}  // namespace
}  // namespace morvane
