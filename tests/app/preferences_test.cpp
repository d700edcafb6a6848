// Settings in the registry and the Preferences dialog, answered through
// its real controls as a user would.
#include <functional>

#include "app/status_area.h"
#include "device/device_screen.h"
#include "lesson/weighted_lesson.h"
#include "ui/hbf_char_font.h"
#include "resources/resource.h"
#include "strokes/clearable_draw_area.h"
#include "trainer_fixture.h"
#include "app/study_view.h"

namespace morvane::test {
namespace {

// Runs the scenario on the next dialog of this thread once it is initialised.
std::function<void(HWND)> onDialog;
HHOOK dialogHook = nullptr;

LRESULT CALLBACK afterDialogInit(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG && onDialog) {
    auto scenario = std::move(onDialog);
    onDialog = nullptr;
    scenario(call->hwnd);
  }
  return CallNextHookEx(dialogHook, code, wParam, lParam);
}

class Preferences : public TrainerTest {
 protected:
  void SetUp() override {
    TrainerTest::SetUp();
    dialogHook = SetWindowsHookExW(WH_CALLWNDPROCRET, afterDialogInit, nullptr,
                                   GetCurrentThreadId());
  }
  void TearDown() override {
    TrainerTest::TearDown();
    UnhookWindowsHookEx(dialogHook);
    device::setScreenOrientation(device::ScreenOrientation::Portrait);
  }
  // Opens Preferences, lets the scenario set the controls, then ends the
  // dialog with the button (IDOK: the added OK button; IDCANCEL).
  void runPreferences(std::function<void(HWND)> scenario, int button) {
    onDialog = [scenario, button, this](HWND dialog) {
      seenDialog = dialog;
      scenario(dialog);
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    };
    SendMessageW(frame, WM_COMMAND, IDM_PREFERENCES, 0);
    EXPECT_EQ(onDialog, nullptr);
  }
  static bool checked(HWND dialog, int id) {
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::wstring openLesson() {
    std::string items;
    for (int i = 0; i < 30; ++i) items += std::string(kNi) + " [ni3] /you/\n";
    return writeLesson("thirty.gb", items);
  }
  HWND seenDialog = nullptr;
};

TEST_F(Preferences, FirstStartUsesTheDefaultsAndCreatesTheKey) {
  start();
  const Settings& s = main()->settings;
  EXPECT_EQ(s.lessonMode, 120);
  EXPECT_TRUE(s.showMeaning && s.showReading && s.trackWrong && s.largeStrokes &&
              s.strokeFeedback && s.showCanvas);
  EXPECT_FALSE(s.showHanzi);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  RegCloseKey(key);
  close();
  DWORD v = 9;
  EXPECT_EQ(readText(L"mode"), L"Normal");
  ASSERT_TRUE(readSwitch(L"kanji", v));
  EXPECT_EQ(v, 0u);
  ASSERT_TRUE(readSwitch(L"draw", v));
  EXPECT_EQ(v, 1u);
}

TEST_F(Preferences, StoredValuesAreRead) {
  writeText(L"mode", L"Quiz 50");
  writeSwitch(L"kanji", 1);
  writeSwitch(L"meaning", 0);
  writeSwitch(L"lgStrokes", 0);
  start();
  EXPECT_EQ(main()->settings.lessonMode, 122);
  EXPECT_TRUE(main()->settings.showHanzi);
  EXPECT_FALSE(main()->settings.showMeaning);
  EXPECT_FALSE(main()->settings.largeStrokes);
  EXPECT_EQ(main()->hanziView->largeStrokes, 0);
  EXPECT_EQ(main()->readingView->largeStrokes, 0);
}

TEST_F(Preferences, UnknownModeTextGivesNormal) {
  writeText(L"mode", L"Quiz 99");
  start();
  EXPECT_EQ(main()->settings.lessonMode, 120);
}

TEST_F(Preferences, ModeFillingItsBufferWithoutZeroKeepsTheDefault) {
  std::wstring full;
  while (full.size() < 50) full += L"Review";
  full.resize(50);  // 100 bytes, no room for the zero
  writeText(L"mode", full, false);
  start();
  EXPECT_EQ(main()->settings.lessonMode, 120);
}

TEST_F(Preferences, SwitchStoredAsTwoIsOff) {
  writeSwitch(L"meaning", 2);
  writeSwitch(L"track", 2);
  start(openLesson().c_str());
  EXPECT_FALSE(main()->settings.showMeaning);
  EXPECT_FALSE(main()->settings.trackWrong);
  EXPECT_EQ(meaning(), L"");
  click(main()->showButton);
  EXPECT_EQ(meaning(), L"you");
}

TEST_F(Preferences, DialogShowsTheSettingsAndOkStoresThem) {
  start();
  bool sawCanvasBox = true;
  runPreferences(
      [&](HWND d) {
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_MODE_LIST, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_MODE_LIST, CB_GETCOUNT, 0, 0), 4);
        EXPECT_TRUE(checked(d, IDC_MEANING_BOX));
        EXPECT_FALSE(checked(d, IDC_HANZI_BOX));
        EXPECT_FALSE(checked(d, IDC_CANVAS_BOX));  // portrait: hidden and unchecked
        sawCanvasBox = visible(GetDlgItem(d, IDC_CANVAS_BOX));
        SendDlgItemMessageW(d, IDC_MODE_LIST, CB_SETCURSEL, 3, 0);
        SendDlgItemMessageW(d, IDC_HANZI_BOX, BM_CLICK, 0, 0);
        SendDlgItemMessageW(d, IDC_FEEDBACK_BOX, BM_CLICK, 0, 0);
      },
      IDOK);
  ASSERT_NE(seenDialog, nullptr);
  EXPECT_FALSE(sawCanvasBox);
  EXPECT_EQ(main()->settings.lessonMode, 123);
  EXPECT_TRUE(main()->settings.showHanzi);
  EXPECT_FALSE(main()->settings.strokeFeedback);
  EXPECT_TRUE(main()->settings.showCanvas);  // kept on a portrait screen
  EXPECT_EQ(readText(L"mode"), L"Review");
  DWORD v = 0;
  ASSERT_TRUE(readSwitch(L"feedback", v));
  EXPECT_EQ(v, 0u);
}

// Turned on again in the dialog, both take effect at once: a wrong answer
// weighs again, taps animate in the popup.
TEST_F(Preferences, TrackWrongAndLargeStrokesTurnedOnTakeEffect) {
  writeSwitch(L"track", 0);
  writeSwitch(L"lgStrokes", 0);
  start(openLesson().c_str());
  auto* lesson = dynamic_cast<WeightedLesson*>(main()->lesson);
  ASSERT_NE(lesson, nullptr);
  ASSERT_EQ(main()->hanziView->largeStrokes, 0);
  ASSERT_NE(main()->smallFont, main()->largeFont);
  EXPECT_EQ(main()->hanziView->font, static_cast<CharFont*>(main()->smallFont));
  runPreferences(
      [](HWND d) {
        SendDlgItemMessageW(d, IDC_TRACK_BOX, BM_CLICK, 0, 0);
        SendDlgItemMessageW(d, IDC_STROKES_BOX, BM_CLICK, 0, 0);
      },
      IDOK);
  EXPECT_TRUE(main()->settings.trackWrong);
  EXPECT_TRUE(main()->settings.largeStrokes);
  EXPECT_EQ(main()->hanziView->largeStrokes, 1);
  EXPECT_EQ(main()->readingView->largeStrokes, 1);
  EXPECT_EQ(main()->hanziView->font, static_cast<CharFont*>(main()->largeFont));
  EXPECT_EQ(main()->readingView->font, static_cast<CharFont*>(main()->smallFont));
  click(main()->showButton);
  click(main()->wrongButton);
  EXPECT_EQ(lesson->weights().sum(), 30 * 6.0f + 6.0f);

  runPreferences([](HWND d) { SendDlgItemMessageW(d, IDC_STROKES_BOX, BM_CLICK, 0, 0); }, IDOK);
  EXPECT_EQ(main()->hanziView->font, static_cast<CharFont*>(main()->smallFont));
}

TEST_F(Preferences, CancelChangesNothing) {
  start();
  runPreferences(
      [](HWND d) {
        SendDlgItemMessageW(d, IDC_MODE_LIST, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageW(d, IDC_MEANING_BOX, BM_CLICK, 0, 0);
      },
      IDCANCEL);
  EXPECT_EQ(main()->settings.lessonMode, 120);
  EXPECT_TRUE(main()->settings.showMeaning);
  EXPECT_EQ(readText(L"mode"), L"");  // nothing written yet
}

TEST_F(Preferences, NewModeRestartsThePassAndResetsTheScore) {
  start(openLesson().c_str());
  EXPECT_EQ(main()->statusArea->total, 30);
  pressDown();
  pressDown();
  EXPECT_EQ(main()->statusArea->rightCount, 1);
  runPreferences([](HWND d) { SendDlgItemMessageW(d, IDC_MODE_LIST, CB_SETCURSEL, 1, 0); }, IDOK);
  EXPECT_EQ(main()->settings.lessonMode, 121);
  EXPECT_EQ(main()->statusArea->total, 25);
  EXPECT_EQ(main()->statusArea->rightCount, 0);
  // A view switch alone does not restart.
  pressDown();
  pressDown();
  runPreferences([](HWND d) { SendDlgItemMessageW(d, IDC_READING_BOX, BM_CLICK, 0, 0); }, IDOK);
  EXPECT_FALSE(main()->settings.showReading);
  EXPECT_EQ(main()->statusArea->rightCount, 1);
}

TEST_F(Preferences, ModeChosenWithoutLessonTakesEffectWhenOneOpens) {
  start();
  runPreferences([](HWND d) { SendDlgItemMessageW(d, IDC_MODE_LIST, CB_SETCURSEL, 2, 0); }, IDOK);
  EXPECT_EQ(main()->settings.lessonMode, 122);
  main()->openLesson(openLesson());
  EXPECT_EQ(main()->statusArea->total, 30);  // a quiz of 50 from 30 items takes all
  EXPECT_EQ(main()->settings.lessonMode, 122);
}

TEST_F(Preferences, LandscapeShowCanvasMovesTheCanvasInAndOut) {
  device::setScreenOrientation(device::ScreenOrientation::Landscape);
  start();
  EXPECT_TRUE(main()->landscape);
  EXPECT_TRUE(visible(main()->canvas->hwnd));
  const RECT withCanvas = placeOf(main()->meaningEdit);
  runPreferences(
      [](HWND d) {
        EXPECT_TRUE(visible(GetDlgItem(d, IDC_CANVAS_BOX)));
        EXPECT_TRUE(checked(d, IDC_CANVAS_BOX));
        SendDlgItemMessageW(d, IDC_CANVAS_BOX, BM_CLICK, 0, 0);
      },
      IDOK);
  EXPECT_FALSE(main()->settings.showCanvas);
  EXPECT_FALSE(visible(main()->canvas->hwnd));
  const RECT without = placeOf(main()->meaningEdit);
  EXPECT_EQ(without.left, withCanvas.left);
  EXPECT_GT(without.right - without.left, 2 * (withCanvas.right - withCanvas.left));
  runPreferences([](HWND d) { SendDlgItemMessageW(d, IDC_CANVAS_BOX, BM_CLICK, 0, 0); }, IDOK);
  EXPECT_TRUE(visible(main()->canvas->hwnd));
  const RECT again = placeOf(main()->meaningEdit);
  EXPECT_EQ(again.left, withCanvas.left);
  EXPECT_EQ(again.right, withCanvas.right);
  EXPECT_EQ(again.top, withCanvas.top);
}

}  // namespace
}  // namespace morvane::test
