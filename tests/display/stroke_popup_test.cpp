// The stroke popup, started by taps with large strokes on: where it appears,
// what it paints when, its fallback to the small record, and that it never
// outlives the animation or the display that started it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "display_test_support.h"
#include "gdi_probe.h"
#include "ui/tappable_jpn_display.h"

namespace morvane::test {
namespace {

// What a look at the popup during one pause found.
struct PopupView {
  RECT frame{};
  RECT strokeWindow{};
  int blackInArea = 0;  // black pixels of the drawing area (5, 5)-(53, 53)
  std::vector<COLORREF> border;
};

PopupView LookAtPopup(HWND strokeWindow) {
  PopupView view;
  GetWindowRect(GetParent(strokeWindow), &view.frame);
  GetClientRect(strokeWindow, &view.strokeWindow);
  view.blackInArea = ScreenCount(strokeWindow, kBlack, 5, 5, 53, 53);
  for (int i : {0, 1, 2, 3}) view.border.push_back(ScreenPixel(strokeWindow, i, 20));
  view.border.push_back(ScreenPixel(strokeWindow, 55, 20));
  view.border.push_back(ScreenPixel(strokeWindow, 56, 20));
  return view;
}

// A 200 × 60 display showing b0a1 b0a2 b0a3 with the solid 16-pixel font,
// large strokes on; the first character is tapped at (20, 30).
class StrokePopup : public ::testing::Test {
 protected:
  void SetUp() override {
    display.SetFont(font.get());
    display.Move(0, 0, 200, 60);
    display.SetChars(text.chars());
    clock.onSleep = [this] {
      HWND strokeWindow = FindStrokeWindow();
      views.push_back(strokeWindow ? LookAtPopup(strokeWindow) : PopupView{});
      popupSeen.push_back(strokeWindow != nullptr);
      if (duringPause) duringPause();
    };
  }

  void Tap(int x = 20) {
    clock.now = 5000;
    SendMessageW(display.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 30));
    clock.now = 5100;
    SendMessageW(display.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, 30));
  }

  FakeClock clock;
  StrokeData data;
  SolidFont font;
  TestText text{3};
  HostWindow host{300, 200};
  TappableJpnDisplay display{0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr), nullptr, 1, 3};
  std::vector<PopupView> views;
  std::vector<bool> popupSeen;
  std::function<void()> duringPause;
};

TEST_F(StrokePopup, Delay64PausesHalfPerCellAndFifteenCellsAroundEachStroke) {
  data.addLarge(0xB0A1, {{{0, 0}, {1, 0}}, {{23, 23}}});
  data.save();
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{480, 32, 32, 480, 32, 480}));
  EXPECT_EQ(FindStrokeWindow(), nullptr);
}

TEST_F(StrokePopup, AppearsCentredAtTheTopHoldingAFramedStrokeWindow) {
  data.addLarge(0xB0A1, {{{0, 0}}});
  data.save();
  Tap();
  ASSERT_FALSE(views.empty());
  const PopupView& view = views[0];
  // Centred on the handheld's 240-pixel screen (no frame stands for it here).
  const int left = (240 - 58) / 2;
  EXPECT_EQ(view.frame.left, left);
  EXPECT_EQ(view.frame.top, 48);
  EXPECT_EQ(view.frame.right, left + 58);
  EXPECT_EQ(view.frame.bottom, 48 + 58);
  EXPECT_EQ(view.strokeWindow.right, 58);
  EXPECT_EQ(view.strokeWindow.bottom, 58);
  // Outline, shadow, dark ring, then white; the light and highlight rings right.
  EXPECT_EQ(view.border,
            (std::vector<COLORREF>{kBlack, kGrey, kBlack, kWhite, RGB(192, 192, 192), kWhite}));
}

TEST_F(StrokePopup, EveryCellIsOnScreenBeforeTheNextPause) {
  data.addLarge(0xB0A1, {{{0, 0}, {1, 0}, {2, 0}}, {{5, 5}, {6, 6}}});
  data.save();
  Tap();
  std::vector<int> cells;
  for (const PopupView& view : views) cells.push_back(view.blackInArea / 4);
  EXPECT_EQ(cells, (std::vector<int>{0, 0, 1, 2, 3, 3, 4, 5}));
}

TEST_F(StrokePopup, AnEmptyLargeRecordShowsTheEmptyFrameForFifteenCellPauses) {
  data.addLarge(0xB0A1, {});
  data.save();
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{480}));
  EXPECT_EQ(popupSeen, (std::vector<bool>{true}));
  EXPECT_EQ(views[0].blackInArea, 0);
}

TEST_F(StrokePopup, WithoutALargeRecordTheSmallOneIsShownAtTheFullDelay) {
  data.addLarge(0xB0A2, {{{0, 0}}});
  data.addSmall(0xB0A1, {{0, 0}, {15, 15}});
  data.save();
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{64, 64}));
  // Three-pixel cells.
  EXPECT_EQ(views[1].blackInArea, 9);
}

TEST_F(StrokePopup, ALargeIndexWithoutItsDataFileFallsBackToTheSmallRecord) {
  data.addLarge(0xB0A1, {{{0, 0}}});
  data.addSmall(0xB0A1, {{0, 0}});
  data.save();
  ASSERT_TRUE(DeleteFileW(data.path("lgstrokeschs.dat").c_str()));
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{64}));
}

TEST_F(StrokePopup, ALargeRecordTheDataFileEndsInsideFallsBackToTheSmallRecord) {
  data.addLarge(0xB0A1, {{{0, 0}, {1, 1}}});
  data.addSmall(0xB0A1, {{0, 0}});
  data.save();
  const std::filesystem::path large(data.path("lgstrokeschs.dat"));
  std::filesystem::resize_file(large, std::filesystem::file_size(large) - 1);
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{64}));
}

TEST_F(StrokePopup, ACharacterInNeitherDatabaseShowsNothing) {
  data.addLarge(0xB0A2, {{{0, 0}}});
  data.addSmall(0xB0A2, {{0, 0}});
  data.save();
  Tap();
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_TRUE(popupSeen.empty());
}

TEST_F(StrokePopup, TheDataFileIsClosedWhenTheAnimationEnds) {
  data.addLarge(0xB0A1, {{{0, 0}}});
  data.save();
  Tap();
  ASSERT_EQ(clock.sleeps.size(), 3u);
  EXPECT_TRUE(DeleteFileW(data.path("lgstrokeschs.dat").c_str()));
  EXPECT_TRUE(DeleteFileW(data.path("lgstrokeschs.ind").c_str()));
}

TEST_F(StrokePopup, ATapDuringTheAnimationStartsNoSecondOneInsideIt) {
  data.addLarge(0xB0A1, {{{0, 0}, {1, 0}}});
  data.save();
  duringPause = [this] {
    if (clock.sleeps.size() != 2) return;
    SendMessageW(display.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    SendMessageW(display.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
  };
  Tap();
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{480, 32, 32, 480}));
  // The next tap, once it is over, animates again.
  duringPause = nullptr;
  Tap();
  EXPECT_EQ(clock.sleeps.size(), 8u);
}

TEST_F(StrokePopup, StopsAndClosesWhenTheDisplayGoesAway) {
  data.addLarge(0xB0A1, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}});
  data.save();
  duringPause = [this] {
    if (clock.sleeps.size() == 2) DestroyWindow(display.hwnd);
  };
  Tap();
  EXPECT_EQ(clock.sleeps.size(), 2u);
  EXPECT_EQ(FindStrokeWindow(), nullptr);
  EXPECT_TRUE(DeleteFileW(data.path("lgstrokeschs.dat").c_str()));
}

TEST_F(StrokePopup, InPlaceTheAnimationStopsWhenTheDisplayGoesAway) {
  data.addSmall(0xB0A1, {{0, 0}, {1, 0}, {2, 0}});
  data.save();
  display.largeStrokes = 0;
  duringPause = [this] { DestroyWindow(display.hwnd); };
  Tap();
  EXPECT_EQ(clock.sleeps.size(), 1u);
}

}  // namespace
}  // namespace morvane::test
