// The status line window: its text placed by pixels in a memory bitmap.
#include <gtest/gtest.h>

#include <string>

#include "app/status_area.h"
#include "app/status_area_text.h"
#include "gdi_probe.h"
#include "ui/window_colors.h"

namespace morvane {
namespace {

const COLORREF kBlack = RGB(0, 0, 0);

// Columns and rows that hold black text pixels, away from the border rings.
struct InkBox {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; -1 when none
};

InkBox FindInk(const PixelCanvas& pixels, int fromX, int toX) {
  InkBox box;
  for (int y = 2; y < pixels.height - 2; ++y) {
    for (int x = fromX < 2 ? 2 : fromX; x < toX && x < pixels.width - 2; ++x) {
      if (pixels.At(x, y) != kBlack) continue;
      if (box.left < 0 || x < box.left) box.left = x;
      if (x > box.right) box.right = x;
      if (box.top < 0) box.top = y;
      box.bottom = y;
    }
  }
  return box;
}

// Width of a text in the font a fresh device context draws with.
int TextWidth(const std::wstring& text) {
  PixelCanvas probe(1, 1, kBlack);
  SIZE size;
  GetTextExtentPoint32W(probe.dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

class StatusLine : public ::testing::Test {
 protected:
  void SetUp() override { status.Move(0, 0, 240, 24); }

  void Paint(PixelCanvas& pixels) { status.OnPaint(pixels.dc); }

  HostWindow host;
  StatusArea status{host.hwnd, GetModuleHandleW(nullptr)};
};

TEST_F(StatusLine, StartsEmptyWithTheDialogUnits) {
  wchar_t name[32] = {};
  GetClassNameW(status.hwnd, name, 32);
  EXPECT_STREQ(name, L"StatusArea");
  EXPECT_EQ(ClassBrushColor(status.hwnd), StaticColor());
  const LONG units = GetDialogBaseUnits();
  EXPECT_EQ(status.textIndent, LOWORD(units));
  EXPECT_EQ(status.lineHeight, HIWORD(units));
  EXPECT_EQ(status.rightCount, 0);
  EXPECT_EQ(status.wrongCount, 0);
  EXPECT_EQ(status.total, 0);
  EXPECT_EQ(status.label, L"");
}

TEST_F(StatusLine, BeforeAnyLessonReadsDoneOnTheLeftAndNothingOnTheRight) {
  PixelCanvas pixels(240, 24, RGB(255, 255, 255));
  Paint(pixels);
  const InkBox left = FindInk(pixels, 0, 120);
  const InkBox right = FindInk(pixels, 120, 240);
  EXPECT_EQ(right.left, -1);
  ASSERT_GE(left.left, 0);
  EXPECT_GE(left.left, status.textIndent);
  EXPECT_NEAR(left.right + 1 - status.textIndent, TextWidth(L"Done"), 2);
}

TEST_F(StatusLine, ShowsTheScoreLeftAndTheLabelRightAlignedAtTheIndent) {
  status.rightCount = 3;
  status.wrongCount = 1;
  status.total = 25;
  status.setLabel(L"lesson1");
  PixelCanvas pixels(240, 24, RGB(255, 255, 255));
  Paint(pixels);

  const InkBox score = FindInk(pixels, 0, 170);
  const InkBox label = FindInk(pixels, 170, 240);
  ASSERT_GE(score.left, 0);
  ASSERT_GE(label.left, 0);
  EXPECT_NEAR(score.right + 1 - status.textIndent, TextWidth(L"  3 /   4 =  75% ( 25)"), 2);
  EXPECT_LT(label.right, 240 - status.textIndent);
  EXPECT_NEAR(240 - status.textIndent - label.left, TextWidth(L"lesson1"), 2);
  // Centred: the text starts half the spare height below the top.
  EXPECT_GE(score.top, (24 - status.lineHeight) / 2);
  EXPECT_LT(score.bottom, (24 - status.lineHeight) / 2 + status.lineHeight);
}

TEST_F(StatusLine, TextIsClippedTwoPixelsInsideTheWindow) {
  status.Move(0, 0, 240, 8);
  status.total = 10;
  PixelCanvas pixels(240, 8, RGB(255, 255, 255));
  Paint(pixels);
  for (int x = 2; x < 238; ++x) {
    EXPECT_NE(pixels.At(x, 6), kBlack) << x;
    EXPECT_NE(pixels.At(x, 7), kBlack) << x;
  }
}

TEST_F(StatusLine, SetLabelKeepsACopy) {
  wchar_t name[] = L"first";
  status.setLabel(name);
  name[0] = L'X';
  EXPECT_EQ(status.label, L"first");
  status.setLabel(nullptr);
  EXPECT_EQ(status.label, L"");
}

}  // namespace
}  // namespace morvane
