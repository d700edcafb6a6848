// The character display windows with real windows and stylus messages:
// painting, dragging, the tap rule, the tap's delay and rectangle, and marks.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "display_test_support.h"
#include "gdi_probe.h"
#include "ui/marked_jpn_display.h"

namespace morvane::test {
namespace {

// A 200 × 60 display with the solid test font (16 pixels) and b0a1 in the
// small stroke database (cells (0, 0) and (15, 15)), b0a3 too.
class Display : public ::testing::Test {
 protected:
  void SetUp() override {
    data.addSmall(0xB0A1, {{0, 0}, {15, 15}});
    data.addSmall(0xB0A3, {{0, 0}, {1, 0}, {12, 0}});
    data.save();
    display.SetFont(font.get());
    display.largeStrokes = 0;
    display.Move(0, 0, 200, 60);
  }

  void Send(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(display.hwnd, message, keys, MAKELPARAM(x, y));
  }
  void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
  void MoveTo(int x, int y, WPARAM keys = MK_LBUTTON) { Send(WM_MOUSEMOVE, keys, x, y); }
  void Up(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }
  // A press at x0 that moves through xs and is lifted at the last.
  void Press(int x0, std::initializer_list<int> xs, int y = 30) {
    Down(x0, y);
    MoveTo(x0, y);
    int x = x0;
    for (int next : xs) MoveTo(x = next, y);
    Up(x, y);
  }
  // Ten characters (178 pixels at scale 1) in a box 78 pixels wide.
  void ShowTenInNarrowBox() {
    display.Move(0, 0, 78, 60);
    display.SetChars(ten.chars());
  }
  void Show(const TestText& text) {
    display.SetChars(text.chars());
    display.Invalidate();
    UpdateWindow(display.hwnd);
  }

  FakeClock clock;
  StrokeData data;
  SolidFont font;
  TestText three{3};
  TestText ten{10};
  HostWindow host{400, 200};
  TappableJpnDisplay display{0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr), nullptr, 1, 3};
};

TEST_F(Display, IsAWhiteJpnDisplayWindowWithTheFieldsOfANewDisplay) {
  EXPECT_EQ(ClassOf(display.hwnd), L"JpnDisplay");
  EXPECT_EQ(ClassBrushColor(display.hwnd), kWhite);
  EXPECT_EQ(display.textEnabled, 1);
  EXPECT_EQ(display.lastX, -1);
  EXPECT_EQ(display.scrollOffset, 0);
  EXPECT_EQ(display.minScrollOffset, 0);
  EXPECT_EQ(display.pressed, 0);
  EXPECT_EQ(display.pressTime, 0u);
  EXPECT_EQ(display.pen, GetStockObject(BLACK_PEN));
  EXPECT_EQ(display.chars.capacity, 64);
  EXPECT_EQ(display.chars.growBy, 64);
  TappableJpnDisplay fresh(0, 0, 10, 10, host.hwnd, GetModuleHandleW(nullptr), nullptr, 1, 3);
  EXPECT_EQ(fresh.largeStrokes, 1);
}

TEST_F(Display, ClipsItsTextTwoPixelsInsideItsBoundsAfterEveryResize) {
  RECT box;
  ASSERT_NE(GetRgnBox(display.clipRegion, &box), ERROR);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, 198);
  EXPECT_EQ(box.bottom, 58);
  display.Move(0, 0, 100, 40);
  GetRgnBox(display.clipRegion, &box);
  EXPECT_EQ(box.right, 98);
  EXPECT_EQ(box.bottom, 38);
}

TEST_F(Display, AStringThatFitsCannotBeDragged) {
  display.SetChars(three.chars());
  EXPECT_EQ(display.minScrollOffset, 0);
  Press(100, {60, 20});
  EXPECT_EQ(display.scrollOffset, 0);
}

TEST_F(Display, AStringTooWideDragsLeftToItsEndAndNoFurtherRightThanItsRest) {
  // Ten characters are 178 pixels wide: 100 more than an unframed 78-pixel box.
  display.SetFramed(0);
  ShowTenInNarrowBox();
  EXPECT_EQ(display.minScrollOffset, -100);
  Press(70, {40, 10, 5});
  EXPECT_EQ(display.scrollOffset, -65);
  Press(70, {0});
  EXPECT_EQ(display.scrollOffset, -100);
  Press(10, {60, 77});
  EXPECT_EQ(display.scrollOffset, -33);
  Press(0, {77});
  EXPECT_EQ(display.scrollOffset, 0);
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(Display, MovesWithoutTheButtonOrWithoutAFontDoNothing) {
  ShowTenInNarrowBox();
  Down(50, 30);
  MoveTo(50, 30, 0);
  MoveTo(20, 30, 0);
  EXPECT_EQ(display.scrollOffset, 0);
  display.SetFont(nullptr);
  MoveTo(50, 30);
  MoveTo(20, 30);
  EXPECT_EQ(display.scrollOffset, 0);
}

TEST_F(Display, SetCharsReturnsTheTextToItsRestPosition) {
  ShowTenInNarrowBox();
  Press(70, {20});
  ASSERT_EQ(display.scrollOffset, -50);
  display.SetChars(ten.chars());
  EXPECT_EQ(display.scrollOffset, 0);
  EXPECT_EQ(display.lastX, -1);
  EXPECT_EQ(display.chars.Count(), 10);
  EXPECT_EQ(display.chars.At(9), ten.chars()->At(9));
}

TEST_F(Display, AResizeKeepsTheScrollPosition) {
  ShowTenInNarrowBox();
  Press(70, {20});
  display.Move(0, 0, 90, 60);
  EXPECT_EQ(display.scrollOffset, -50);
  EXPECT_EQ(display.minScrollOffset, -104);
}

TEST_F(Display, ANewPressDoesNotJumpFromWhereTheLastOneEnded) {
  ShowTenInNarrowBox();
  Press(70, {50});
  ASSERT_EQ(display.scrollOffset, -20);
  // Lifted outside the window: the up never arrives here.
  Down(10, 30);
  MoveTo(10, 30);
  MoveTo(5, 30);
  EXPECT_EQ(display.scrollOffset, -25);
}

// Characters of "abc" (3 × 16 pixels) in the 200 × 60 box: scale 3, cells
// 48 pixels, 52 apart from x 4, rows 6 to 54.
TEST_F(Display, ATapOnACharacterAnimatesItInPlace) {
  Show(three);
  EXPECT_EQ(ScreenPixel(display.hwnd, 30, 30), kBlack);
  std::vector<COLORREF> atFirstPause;
  clock.onSleep = [&] {
    if (clock.sleeps.size() == 1) {
      atFirstPause = {ScreenPixel(display.hwnd, 4, 6), ScreenPixel(display.hwnd, 51, 53),
                      ScreenPixel(display.hwnd, 56, 30)};
    }
  };
  Down(20, 30);
  Up(20, 30);
  // Erased to white before the first cell; the next character untouched.
  EXPECT_EQ(atFirstPause, (std::vector<COLORREF>{kWhite, kWhite, kBlack}));
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{64, 64}));
  // Cells (0, 0) and (15, 15) at scale 3.
  EXPECT_EQ(ScreenCount(display.hwnd, kBlack, 4, 6, 52, 54), 18);
  EXPECT_EQ(ScreenPixel(display.hwnd, 4, 6), kBlack);
  EXPECT_EQ(ScreenPixel(display.hwnd, 51, 53), kBlack);
  EXPECT_EQ(ScreenPixel(display.hwnd, 52, 54), kWhite);
  EXPECT_EQ(display.pressed, 0);
  EXPECT_EQ(display.lastX, -1);
}

TEST_F(Display, AFourPixelWiggleIsADragAndStartsNothingThreePixelsIsATap) {
  display.SetChars(three.chars());
  Press(20, {18, 20});
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_EQ(display.dragDistance, 0);
  EXPECT_EQ(display.pressed, 0);
  Press(20, {18, 19});
  EXPECT_EQ(clock.sleeps.size(), 2u);
}

TEST_F(Display, TheDelayIsTheHeldTimeClampedAndDividedBySeven) {
  display.SetChars(three.chars());
  clock.now = 1000;
  Down(20, 30);
  clock.now = 1100;
  Up(20, 30);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{64, 64}));
  clock.sleeps.clear();
  Down(20, 30);
  clock.now += 10000;
  Up(20, 30);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{428, 428}));
  clock.sleeps.clear();
  // Across the tick count's wrap, 1000 ms held.
  clock.now = 0xFFFFFE00u;
  Down(20, 30);
  clock.now += 1000;
  Up(20, 30);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{142, 142}));
}

TEST_F(Display, ATapBesideTheCharactersOrWithoutAPressDoesNothing) {
  display.SetChars(three.chars());
  Down(160, 30);
  Up(160, 30);
  Down(20, 58);
  Up(20, 58);
  Up(20, 30);
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(Display, HiddenTextIgnoresTapsAndDragsButKeepsItsCharacters) {
  display.SetChars(three.chars());
  display.textEnabled = 0;
  Press(20, {});
  EXPECT_TRUE(clock.sleeps.empty());
  PixelCanvas hidden(200, 60, kWhite);
  display.OnPaint(hidden.dc);
  EXPECT_EQ(hidden.CountColor(kBlack, 4, 6, 52, 54), 0);
  EXPECT_EQ(display.chars.Count(), 3);
  display.textEnabled = 1;
  PixelCanvas shown(200, 60, kWhite);
  display.OnPaint(shown.dc);
  EXPECT_EQ(shown.CountColor(kBlack, 4, 6, 52, 54), 48 * 48);
  EXPECT_EQ(shown.CountColor(kBlack, 2, 2, 198, 58), 3 * 48 * 48);
}

TEST_F(Display, WithoutAFontOnlyTheBorderIsDrawn) {
  display.SetFont(nullptr);
  display.SetChars(three.chars());
  EXPECT_EQ(display.minScrollOffset, 0);
  PixelCanvas pixels(200, 60, kWhite);
  display.OnPaint(pixels.dc);
  EXPECT_EQ(pixels.CountColor(kBlack, 2, 2, 198, 58), 0);
  EXPECT_EQ(pixels.At(0, 0), kGrey);
  Press(20, {});
  EXPECT_TRUE(clock.sleeps.empty());
}

// Twenty characters are 358 pixels at scale 1: cells 16 pixels, 17.9 apart
// from x 4, rows 22 to 38.
TEST_F(Display, ATapOnAScrolledStringAnimatesTheCharacterWhereTheUserSeesIt) {
  TestText text(20);
  Show(text);
  ASSERT_EQ(display.minScrollOffset, 200 - 358 - 4);
  Press(150, {120});
  ASSERT_EQ(display.scrollOffset, -30);
  UpdateWindow(display.hwnd);
  // The third character (b0a3) is now at 39 - 30 = 9 to 25.
  ASSERT_EQ(ScreenPixel(display.hwnd, 9, 30), kBlack);
  std::vector<COLORREF> afterFirstCell;
  clock.onSleep = [&] {
    if (clock.sleeps.size() == 2) {
      afterFirstCell = {ScreenPixel(display.hwnd, 9, 22), ScreenPixel(display.hwnd, 10, 22),
                        ScreenPixel(display.hwnd, 24, 37), ScreenPixel(display.hwnd, 28, 30)};
    }
  };
  Down(14, 30);
  Up(14, 30);
  ASSERT_EQ(clock.sleeps.size(), 3u);
  EXPECT_EQ(afterFirstCell, (std::vector<COLORREF>{kBlack, kWhite, kWhite, kBlack}));
}

TEST_F(Display, InPlaceCellsStayInsideTheBorder) {
  TestText text(20);
  Show(text);
  Press(150, {110});
  UpdateWindow(display.hwnd);
  // The third character is now at 39 - 40 = -1 to 15, under the border.
  Press(5, {});
  ASSERT_EQ(clock.sleeps.size(), 3u);
  // Cell (1, 0) falls on the border's outer ring and is not painted there.
  EXPECT_EQ(ScreenPixel(display.hwnd, 0, 22), kGrey);
  EXPECT_EQ(ScreenPixel(display.hwnd, 1, 22), kBlack);
  EXPECT_EQ(ScreenPixel(display.hwnd, 2, 22), kWhite);
  EXPECT_EQ(ScreenPixel(display.hwnd, 11, 22), kBlack);
  EXPECT_EQ(ScreenPixel(display.hwnd, 12, 22), kWhite);
}

}  // namespace
}  // namespace morvane::test
