// Every screen of the trainer, in portrait and landscape, checked as a
// person looks at it: each text fits its control, no two controls overlap,
// every dialog lies wholly on the screen, the score of the status line is
// never overwritten by the lesson's name.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/status_area.h"
#include "app/study_view.h"
#include "app/wait_dialog.h"
#include "device/device_screen.h"
#include "display_test_support.h"
#include "resources/resource.h"
#include "screen_check.h"
#include "strokes/clearable_draw_area.h"
#include "trainer_fixture.h"
#include "win32_test_support.h"

namespace morvane::test {
namespace {

using device::ScreenOrientation;

const ScreenOrientation kOrientations[] = {ScreenOrientation::Portrait,
                                           ScreenOrientation::Landscape};

const char* nameOf(ScreenOrientation orientation) {
  return orientation == ScreenOrientation::Portrait ? "portrait" : "landscape";
}

std::string joined(const std::vector<std::wstring>& faults) {
  std::string out;
  for (const std::wstring& fault : faults) out += "\n  " + std::string(fault.begin(), fault.end());
  return out;
}

// The status line's pixels as it paints itself into a memory bitmap.
std::vector<COLORREF> paintedStatusLine(StatusArea& status, int width, int height) {
  HDC screen = GetDC(status.hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  status.OnPaint(dc);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(status.hwnd, screen);
  return pixels;
}

class Screens : public TrainerTest {
 protected:
  void TearDown() override {
    TrainerTest::TearDown();
    device::setScreenOrientation(ScreenOrientation::Portrait);
  }

  // Runs the check in each orientation on a freshly started trainer.
  void inBothOrientations(const std::function<void()>& check) {
    for (ScreenOrientation orientation : kOrientations) {
      SCOPED_TRACE(nameOf(orientation));
      device::setScreenOrientation(orientation);
      start();
      check();
      close();
    }
  }

  void openLesson(const std::string& name, const std::string& bytes) {
    main()->openLesson(writeLesson(name, bytes));
  }

  void expectWhole(HWND top, const char* screen) {
    const std::vector<std::wstring> faults = screencheck::screenFaults(top);
    EXPECT_TRUE(faults.empty()) << screen << ":" << joined(faults);
  }

  // The score's columns look the same whether or not a label is drawn
  // after it, and the label is cut rather than run into the score.
  void expectScoreWhole() {
    StatusArea& status = *main()->statusArea;
    RECT client;
    GetClientRect(status.hwnd, &client);
    const std::vector<COLORREF> withLabel = paintedStatusLine(status, client.right, client.bottom);
    const std::wstring label = status.label;
    status.setLabel(L"");
    const std::vector<COLORREF> alone = paintedStatusLine(status, client.right, client.bottom);
    status.setLabel(label.c_str());

    HDC dc = GetDC(status.hwnd);
    const StatusLineBoxes boxes = status.textBoxes(dc);
    ReleaseDC(status.hwnd, dc);
    ASSERT_LE(boxes.labelLeft, client.right);
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < boxes.labelLeft; ++x) {
        const size_t at = static_cast<size_t>(y) * client.right + x;
        ASSERT_EQ(withLabel[at], alone[at])
            << "the label overwrites the score at " << x << ", " << y;
      }
    }
  }

  // Runs a modal command while another thread looks at the dialog it opens.
  std::vector<std::wstring> faultsOfDialog(const std::wstring& title, int command, int answer,
                                           const std::function<void(HWND)>& more = nullptr) {
    std::vector<std::wstring> faults;
    std::thread user = quillmark::fakes::answerDialog(title, answer, [&](HWND dialog) {
      faults = screencheck::screenFaults(dialog);
      if (more) more(dialog);
    });
    SendMessageW(main()->hwnd, WM_COMMAND, command, 0);
    user.join();
    return faults;
  }
};

const std::string kTwoItems =
    std::string(kNi) + kHao + " [ni3 hao3] /hello/\r\n" + kXie + " [xie4] /to thank; thanks/\r\n";

// The last row of the caption's ink when the canvas is painted 200 pixels
// taller than it is, so that nothing of the caption is clipped; the canvas
// keeps its place afterwards.
int captionBottom(DrawAreaWithText& area) {
  RECT place;
  GetWindowRect(area.hwnd, &place);
  MapWindowPoints(nullptr, GetParent(area.hwnd), reinterpret_cast<POINT*>(&place), 2);
  const int width = place.right - place.left, height = place.bottom - place.top + 200;
  area.Move(place.left, place.top, width, height);
  HDC screen = GetDC(area.hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  area.OnPaint(dc);
  int bottom = -1;
  // The caption's columns only: the border lies outside them.
  for (int y = 15; y < height - 4; ++y) {
    for (int x = 20; x < width - 20; ++x) {
      if (GetPixel(dc, x, y) == RGB(0, 0, 0)) bottom = y;
    }
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(area.hwnd, screen);
  area.Move(place.left, place.top, width, place.bottom - place.top);
  return bottom;
}

TEST_F(Screens, WelcomeScreenIsWhole) {
  inBothOrientations([&] {
    expectWhole(frame, "no lesson");
    expectScoreWhole();
    DrawAreaWithText& area = *main()->canvas->DrawingArea();
    RECT client;
    GetClientRect(area.hwnd, &client);
    const int bottom = captionBottom(area);
    EXPECT_GT(bottom, 15);
    EXPECT_LT(bottom, client.bottom - 3) << "the welcome text is cut";
  });
}

TEST_F(Screens, StudyScreenIsWholeWithTheItemHiddenShownAndThePassFinished) {
  inBothOrientations([&] {
    openLesson("a-lesson-with-a-rather-long-name.gb", kTwoItems);
    expectWhole(frame, "item hidden");
    expectScoreWhole();
    click(main()->showButton);
    expectWhole(frame, "item shown");
    click(main()->rightButton);
    click(main()->showButton);
    click(main()->wrongButton);
    click(main()->showButton);
    click(main()->rightButton);
    ASSERT_EQ(main()->currentItem, nullptr);
    expectWhole(frame, "pass finished");
    expectScoreWhole();
  });
}

TEST_F(Screens, TheMenuBarLiesBelowEverythingTheStudyScreenShows) {
  inBothOrientations([&] {
    RECT bar, status;
    GetWindowRect(frameState.menuBar, &bar);
    GetWindowRect(main()->statusArea->hwnd, &status);
    EXPECT_LE(status.bottom, bar.top);
    EXPECT_GE(status.bottom, bar.top - 2) << "a band is left above the menu bar";
    // The main window reaches under the bar, as on the handheld; the bar
    // stays on top, for the eye and for the stylus.
    const POINT middle = {(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    HWND hit = WindowFromPoint(middle);
    EXPECT_TRUE(hit == frameState.menuBar || IsChild(frameState.menuBar, hit));
    EXPECT_NE(GetWindowLongPtrW(main()->hwnd, GWL_STYLE) & WS_CLIPSIBLINGS, 0);
  });
}

TEST_F(Screens, PreferencesAndAboutAreWholeOnTheScreen) {
  inBothOrientations([&] {
    const std::vector<std::wstring> preferences =
        faultsOfDialog(L"Morvane CHS Preferences", IDM_PREFERENCES, IDCANCEL);
    EXPECT_TRUE(preferences.empty()) << joined(preferences);
    const std::vector<std::wstring> about = faultsOfDialog(L"About MorvaneCHS", IDM_ABOUT, IDOK);
    EXPECT_TRUE(about.empty()) << joined(about);
  });
}

TEST_F(Screens, OpenMultipleFilesIsWholeAndScrollsToTheEndOfLongLabels) {
  writeDeviceFile(L"\\My Documents\\everyday.gb", kTwoItems);
  writeDeviceFile(L"\\My Documents\\Second Year Lessons\\a-much-longer-lesson-name.gb", kTwoItems);
  inBothOrientations([&] {
    LRESULT extent = 0;
    int widest = 0, listWidth = 0;
    const std::vector<std::wstring> faults =
        faultsOfDialog(L"Open Multiple Files", IDM_MULTI_OPEN, IDCANCEL, [&](HWND dialog) {
          HWND list = GetDlgItem(dialog, IDC_CHOOSER_FILES);
          extent = SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0);
          RECT client;
          GetClientRect(list, &client);
          listWidth = client.right;
          const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
          for (LRESULT i = 0; i < count; ++i) {
            wchar_t label[256] = L"";
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(label));
            widest = std::max(widest, screencheck::textWidth(list, label));
          }
        });
    EXPECT_TRUE(faults.empty()) << joined(faults);
    ASSERT_GT(widest, listWidth) << "the test's labels should be longer than the list";
    EXPECT_GE(extent, widest);
  });
}

TEST_F(Screens, TheWaitBoxIsWhole) {
  inBothOrientations([&] {
    HWND wait = showWaitDialog(main()->hwnd, GetModuleHandleW(nullptr));
    ASSERT_NE(wait, nullptr);
    expectWhole(wait, "wait");
    DestroyWindow(wait);
  });
}

TEST_F(Screens, TheStrokePopupLiesOverTheStudyScreen) {
  writeSwitch(L"lgStrokes", 1);
  inBothOrientations([&] {
    openLesson("popup.gb", kTwoItems);
    click(main()->showButton);
    StrokeData data;
    // Whichever item comes first.
    for (uint16_t code : {0xC4E3, 0xD0BB}) data.addLarge(code, {{{0, 0}, {1, 0}}, {{5, 5}}});
    data.save();
    FakeClock clock;
    std::vector<std::wstring> faults;
    RECT popup = {}, screen = {};
    GetWindowRect(frame, &screen);
    // Looked at during the animation's first pause, when the popup is up.
    clock.onSleep = [&] {
      if (popup.right != 0) return;
      for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
        if (FindWindowExW(top, nullptr, L"StrokeWin", nullptr) == nullptr) continue;
        GetWindowRect(top, &popup);
        faults = screencheck::screenFaults(top);
        break;
      }
    };
    tapFirstCharacter(*main()->hanziView, clock);
    ASSERT_FALSE(clock.sleeps.empty());
    EXPECT_TRUE(faults.empty()) << joined(faults);
    RECT inside;
    IntersectRect(&inside, &popup, &screen);
    EXPECT_TRUE(EqualRect(&inside, &popup)) << "the popup lies outside the handheld's screen";
    EXPECT_EQ(popup.right - popup.left, 58);
  });
}

}  // namespace
}  // namespace morvane::test
