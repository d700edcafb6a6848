// The main window's children placed by real WM_SIZE messages, in portrait
// and in landscape, and the frame's own geometry.
#include "app/main_layout.h"
#include "app/status_area.h"
#include "device/device_screen.h"
#include "device/menu_bar.h"
#include "strokes/clearable_draw_area.h"
#include "trainer_fixture.h"
#include "app/study_view.h"

namespace morvane::test {
namespace {

class ScreenLayout : public TrainerTest {
 protected:
  void TearDown() override {
    TrainerTest::TearDown();
    device::setScreenOrientation(device::ScreenOrientation::Portrait);
  }
  void expectAt(HWND window, const LayoutBox& box) {
    const RECT r = placeOf(window);
    EXPECT_EQ(r.left, box.x);
    EXPECT_EQ(r.top, box.y);
    EXPECT_EQ(r.right - r.left, box.width);
    EXPECT_EQ(r.bottom - r.top, box.height);
  }
  // Resizes the main window and checks every child against the arithmetic
  // for this window's dialog unit height.
  void checkChildrenAt(int width, int height, bool landscape, bool canvas) {
    MoveWindow(main()->hwnd, 0, 2, width, height, TRUE);
    LayoutInput in;
    in.right = width;
    in.bottom = height;
    in.frameX = GetSystemMetrics(SM_CXDLGFRAME);
    in.frameY = GetSystemMetrics(SM_CYDLGFRAME);
    in.menuBarHeight = device::kMenuBarHeight;
    in.unitHeight = HIWORD(GetDialogBaseUnits());
    in.landscape = landscape;
    in.showCanvas = canvas;
    const MainLayout m = computeLayout(in);
    expectAt(main()->meaningEdit, m.meaning);
    expectAt(main()->readingView->hwnd, m.reading);
    expectAt(main()->hanziView->hwnd, m.hanzi);
    expectAt(main()->showButton, m.show);
    expectAt(main()->restartButton, m.restart);
    expectAt(main()->rightButton, m.right);
    expectAt(main()->wrongButton, m.wrong);
    expectAt(main()->statusArea->hwnd, m.status);
    EXPECT_EQ(visible(main()->canvas->hwnd), m.canvasShown);
    if (m.canvasShown) expectAt(main()->canvas->hwnd, m.canvas);
    EXPECT_EQ(main()->hanziView->markHeight, m.markHeight);
    EXPECT_EQ(main()->bounds.left, m.area.left);
    EXPECT_EQ(main()->bounds.bottom, m.area.bottom);
  }
};

// The status line's bottom edge in the frame's client coordinates.
int statusBottomInFrame(MainWindow* main) {
  return placeOf(main->hwnd).top + placeOf(main->statusArea->hwnd).bottom;
}

TEST_F(ScreenLayout, FrameIsTheScreenBelowTheNavigationBarWithTheMenuBarAtItsFoot) {
  start();
  // The frame is as tall as the screen, but like the handheld's it starts
  // below the 26-pixel navigation bar: what shows is 320 - 26 high.
  RECT client;
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 240);
  EXPECT_EQ(client.bottom, 294);
  const RECT mainPlace = placeOf(main()->hwnd);
  EXPECT_EQ(mainPlace.top, 2);
  EXPECT_EQ(mainPlace.bottom - mainPlace.top, 320 - 27);
  EXPECT_EQ(mainPlace.right, 240);
  ASSERT_NE(frameState.menuBar, nullptr);
  EXPECT_EQ(placeOf(frameState.menuBar).top, 268);
  EXPECT_EQ(placeOf(frameState.menuBar).bottom, 294);
  // No band between the status line and the menu bar: the layout's room
  // for the bar is where the bar lies.
  EXPECT_EQ(statusBottomInFrame(main()), 266);
  wchar_t name[32] = L"";
  GetClassNameW(main()->hwnd, name, 32);
  EXPECT_STREQ(name, L"MorvaneCHSWnd");
  GetWindowTextW(frame, name, 32);
  EXPECT_STREQ(name, L"MorvaneCHS");
  GetClassNameW(frame, name, 32);
  EXPECT_STREQ(name, L"Kelvaro");
}

TEST_F(ScreenLayout, LandscapeFrameShowsItsWholeAreaAboveTheMenuBar) {
  device::setScreenOrientation(device::ScreenOrientation::Landscape);
  start();
  RECT client;
  GetClientRect(frame, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 240);
  EXPECT_EQ(placeOf(frameState.menuBar).top, 214);
  EXPECT_EQ(statusBottomInFrame(main()), 212);
}

TEST_F(ScreenLayout, TheMainWindowHasNoSunkenBorder) {
  start();
  EXPECT_EQ(main()->framed, 0);
}

TEST_F(ScreenLayout, PortraitAlwaysHasTheCanvas) {
  writeSwitch(L"draw", 0);
  start();
  EXPECT_FALSE(main()->landscape);
  checkChildrenAt(240, 293, false, false);
  checkChildrenAt(300, 400, false, false);
}

TEST_F(ScreenLayout, LandscapeFollowsShowCanvas) {
  device::setScreenOrientation(device::ScreenOrientation::Landscape);
  start();
  EXPECT_TRUE(main()->landscape);
  checkChildrenAt(320, 213, true, true);
  close();
  writeSwitch(L"draw", 0);
  start();
  checkChildrenAt(320, 213, true, false);
}

TEST_F(ScreenLayout, ButtonsWearTheirColoursWithWhiteText) {
  start();
  struct {
    HWND button;
    COLORREF colour;
  } expected[] = {{main()->rightButton, RGB(0, 170, 0)},
                  {main()->wrongButton, RGB(170, 0, 0)},
                  {main()->showButton, RGB(85, 85, 204)},
                  {main()->restartButton, RGB(170, 0, 170)}};
  HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& e : expected) {
    SetTextColor(dc, RGB(1, 2, 3));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        main()->hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(e.button)));
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof info, &info);
    EXPECT_EQ(info.lbColor, e.colour);
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
  }
  auto other = reinterpret_cast<HBRUSH>(SendMessageW(main()->hwnd, WM_CTLCOLORBTN,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(frame)));
  EXPECT_EQ(other, GetStockObject(LTGRAY_BRUSH));
  DeleteDC(dc);
}

}  // namespace
}  // namespace morvane::test
