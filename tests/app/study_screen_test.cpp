// The study screen driven through its real windows: states, buttons, the
// down key, the status line, and lessons that are empty or unreadable.
#include <algorithm>
#include <fstream>
#include <iterator>

#include <thread>

#include "app/frame_window.h"
#include "app/hand_over.h"
#include "app/status_area.h"
#include "lesson/weighted_lesson.h"
#include "resources/resource.h"
#include "strokes/clearable_draw_area.h"
#include "trainer_fixture.h"
#include "win32_test_support.h"
#include "app/study_view.h"

namespace morvane::test {
namespace {

// Three items; "you" has no second character.
std::string threeItems() {
  return std::string(kNi) + kHao + " [ni3 hao3] /hello/\n" + kXie + kXie +
         " [xie4 xie5] /thanks/\n" + kNi + " [ni3] /you/\n";
}

std::string fileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class StudyScreen : public TrainerTest {
 protected:
  void openThree() {
    path = writeLesson("three.gb", threeItems());
    start(path.c_str());
  }
  void expectButtons(bool show, bool right, bool wrong, bool restart) {
    EXPECT_EQ(visible(main()->showButton), show);
    EXPECT_EQ(visible(main()->rightButton), right);
    EXPECT_EQ(visible(main()->wrongButton), wrong);
    EXPECT_EQ(visible(main()->restartButton), restart);
  }
  StatusArea& status() { return *main()->statusArea; }
  bool restartGrey() {
    return (GetMenuState(main()->menu, IDM_RESTART, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
  std::wstring path;
};

TEST_F(StudyScreen, WithoutLessonOnlyADisabledShowAndTheWelcome) {
  start();
  expectButtons(true, false, false, false);
  EXPECT_FALSE(enabled(main()->showButton));
  EXPECT_FALSE(enabled(main()->restartButton));
  EXPECT_TRUE(restartGrey());
  EXPECT_STREQ(main()->canvas->DrawingArea()->Caption(),
               L"Welcome to Morvane!\nSelect File-Open... from the menu to start a lesson.");
  EXPECT_EQ(status().total, 0);
  EXPECT_EQ(status().label, L"");
  pressDown();
  EXPECT_EQ(main()->state(), StudyState::NoLesson);
  SendMessageW(frame, WM_COMMAND, IDM_RESTART, 0);
  EXPECT_EQ(main()->lesson, nullptr);
}

TEST_F(StudyScreen, OpenedLessonHidesTheHanziUntilShow) {
  openThree();
  EXPECT_EQ(main()->state(), StudyState::ItemHidden);
  expectButtons(true, false, false, false);
  EXPECT_TRUE(enabled(main()->showButton));
  EXPECT_TRUE(enabled(main()->restartButton));  // enabled, though hidden
  EXPECT_FALSE(restartGrey());
  EXPECT_EQ(main()->canvas->DrawingArea()->Caption(), nullptr);
  EXPECT_EQ(status().label, L"three");
  EXPECT_EQ(status().total, 3);
  EXPECT_EQ(main()->hanziView->textEnabled, 0);
  EXPECT_EQ(main()->readingView->textEnabled, 1);
  EXPECT_EQ(meaning(), main()->currentItem->meaning());
  EXPECT_EQ(main()->hanziView->chars.Count(), main()->currentItem->hanzi().Count());

  click(main()->showButton);
  EXPECT_EQ(main()->state(), StudyState::ItemShown);
  expectButtons(false, true, true, false);
  EXPECT_TRUE(enabled(main()->rightButton) && enabled(main()->wrongButton));
  EXPECT_FALSE(enabled(main()->showButton) || enabled(main()->restartButton));
  EXPECT_EQ(main()->hanziView->textEnabled, 1);
}

TEST_F(StudyScreen, WholePassWithAWrongAnswerAndRestart) {
  openThree();
  int answers = 0;
  while (main()->state() == StudyState::ItemHidden && answers < 10) {
    click(main()->showButton);
    click(answers == 0 ? main()->wrongButton : main()->rightButton);
    ++answers;
  }
  // The wrong item comes back once more.
  EXPECT_EQ(answers, 4);
  EXPECT_EQ(main()->state(), StudyState::PassFinished);
  expectButtons(false, false, false, true);
  EXPECT_TRUE(enabled(main()->restartButton));
  EXPECT_FALSE(enabled(main()->showButton));
  EXPECT_EQ(status().rightCount, 3);
  EXPECT_EQ(status().wrongCount, 1);
  EXPECT_EQ(status().total, 3);
  EXPECT_EQ(meaning(), L"");
  EXPECT_EQ(main()->hanziView->textEnabled, 0);
  EXPECT_EQ(main()->readingView->textEnabled, 0);

  main()->canvas->DrawingArea()->OnLButtonDown(MK_LBUTTON, 5, 5);
  main()->canvas->DrawingArea()->OnLButtonUp(0, 5, 5);
  click(main()->restartButton);
  EXPECT_EQ(main()->state(), StudyState::ItemHidden);
  EXPECT_EQ(status().rightCount, 0);
  EXPECT_EQ(status().wrongCount, 0);
  EXPECT_EQ(main()->canvas->DrawingArea()->StrokeCount(), 0);
}

TEST_F(StudyScreen, DownKeyShowsThenMarksRightThenRestarts) {
  openThree();
  pressDown();
  EXPECT_EQ(main()->state(), StudyState::ItemShown);
  pressDown();
  EXPECT_EQ(status().rightCount, 1);
  EXPECT_EQ(main()->state(), StudyState::ItemHidden);
  for (int i = 0; i < 4; ++i) pressDown();
  EXPECT_EQ(main()->state(), StudyState::PassFinished);
  EXPECT_EQ(status().rightCount, 3);
  pressDown();
  EXPECT_EQ(main()->state(), StudyState::ItemHidden);
  EXPECT_EQ(status().rightCount, 0);
  // The frame passes the key on as well.
  SendMessageW(frame, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(main()->state(), StudyState::ItemShown);
  SendMessageW(frame, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(main()->state(), StudyState::ItemShown);
}

// A button takes the focus when tapped; the main window takes it back so the
// down key goes on working.
TEST_F(StudyScreen, EveryButtonHandsTheFocusBackForTheDownKey) {
  openThree();
  const HWND buttons[] = {main()->showButton, main()->rightButton, main()->showButton,
                          main()->wrongButton};
  for (HWND button : buttons) {
    SetFocus(button);
    click(button);
    EXPECT_EQ(GetFocus(), main()->hwnd);
  }
  for (int i = 0; i < 10 && main()->state() != StudyState::PassFinished; ++i) {
    click(main()->showButton);
    click(main()->rightButton);
  }
  ASSERT_EQ(main()->state(), StudyState::PassFinished);
  SetFocus(main()->restartButton);
  click(main()->restartButton);
  EXPECT_EQ(GetFocus(), main()->hwnd);
  pressDown();
  EXPECT_EQ(main()->state(), StudyState::ItemShown);
}

// A meaning far longer than 1,024 characters is replaced whole: nothing of
// it stays for the next item, shown or hidden.
TEST_F(StudyScreen, ALongMeaningLeavesNothingBehind) {
  writeSwitch(L"meaning", 0);
  const std::string longMeaning(3000, 'm');
  start(writeLesson("long.gb", std::string(kNi) + " [ni3] /" + longMeaning + "/\n" + kXie +
                                   " [xie4] /thanks/\n")
            .c_str());
  std::vector<std::wstring> shown;
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(main()->state(), StudyState::ItemHidden);
    EXPECT_EQ(meaning(), L"");
    pressDown();
    shown.push_back(meaning());
    pressDown();
  }
  ASSERT_EQ(main()->state(), StudyState::PassFinished);
  EXPECT_EQ(meaning(), L"");
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<std::wstring>{std::wstring(3000, L'm'), L"thanks"}));
}

TEST_F(StudyScreen, MenuRestartResetsTheScore) {
  openThree();
  pressDown();
  pressDown();
  SendMessageW(frame, WM_COMMAND, IDM_RESTART, 0);
  EXPECT_EQ(status().rightCount, 0);
  EXPECT_EQ(main()->state(), StudyState::ItemHidden);
}

TEST_F(StudyScreen, EmptyPassGoesStraightToFinished) {
  path = writeLesson("empty.gb", "");
  start(path.c_str());
  EXPECT_EQ(main()->state(), StudyState::PassFinished);
  expectButtons(false, false, false, true);
  EXPECT_EQ(status().total, 0);
  EXPECT_EQ(status().label, L"empty");
}

TEST_F(StudyScreen, UnreadableLessonKeepsItsProgressFile) {
  path = lessonPath("gone.gb");
  std::ofstream(std::filesystem::path(path + L".st"), std::ios::binary) << "old progress";
  start(path.c_str());
  EXPECT_EQ(main()->state(), StudyState::PassFinished);
  EXPECT_EQ(status().label, L"gone");
  EXPECT_EQ(status().total, 0);
  EXPECT_TRUE(enabled(main()->restartButton));
  click(main()->restartButton);
  close();
  EXPECT_EQ(fileBytes(path + L".st"), "old progress");
}

TEST_F(StudyScreen, OpeningASecondLessonSavesTheFirstOnesProgress) {
  openThree();
  click(main()->showButton);
  click(main()->wrongButton);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path + L".st")));
  const std::wstring second = writeLesson("second.gb", std::string(kXie) + " [xie4] /thank/\n");
  SendMessageW(frame, WM_USER, kOpenLessonRequest, reinterpret_cast<LPARAM>(second.c_str()));
  EXPECT_EQ(status().label, L"second");
  EXPECT_EQ(status().total, 1);
  ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(path + L".st")));
  WeightedLesson reread(path, path + L".st", 0);
  int heavy = 0;
  for (int32_t i = 0; i < reread.weights().count(); ++i) {
    const float w = reread.weights().weightAt(i);
    heavy += (w > 11.9f && w < 12.1f) ? 1 : 0;
  }
  EXPECT_EQ(heavy, 1);
}

TEST_F(StudyScreen, ExitSavesProgressAndSettings) {
  openThree();
  click(main()->showButton);
  click(main()->rightButton);
  SendMessageW(frame, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(main(), nullptr);
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(path + L".st")));
  EXPECT_EQ(readText(L"mode"), L"Normal");
}

HHOOK frameRefusal = nullptr;

// Refuses to create any window of the frame's class.
LRESULT CALLBACK refuseFrames(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    const LPCWSTR name = create->lpcs->lpszClass;
    if (!IS_INTRESOURCE(name) && wcscmp(name, L"Kelvaro") == 0) return 1;
  }
  return CallNextHookEx(frameRefusal, code, wParam, lParam);
}

// Without a frame nothing would ever end the message loop: the program says
// so and ends.
TEST_F(StudyScreen, AFrameThatCannotBeMadeEndsTheProgramWithAMessage) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  UnregisterClassW(L"Kelvaro", instance);
  frameRefusal = SetWindowsHookExW(WH_CBT, refuseFrames, nullptr, GetCurrentThreadId());
  std::wstring text;
  std::thread box = quillmark::fakes::answerDialog(L"Kelvaro", IDOK, [&text](HWND b) {
    wchar_t shown[128] = L"";
    GetDlgItemTextW(b, 0xFFFF, shown, 128);
    text = shown;
  });
  const int exitCode = runTrainer(instance, L"", SW_SHOW);
  box.join();
  UnhookWindowsHookEx(frameRefusal);
  UnregisterClassW(L"Kelvaro", instance);
  registerFrameClass(instance);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(text, L"Unable to create window!");
}

TEST_F(StudyScreen, SecondStartHandsItsLessonOver) {
  start();
  path = writeLesson("handed.gb", threeItems());
  EXPECT_TRUE(handOverToRunningCopy(path));
  EXPECT_EQ(status().label, L"handed");
  EXPECT_EQ(readText(L"ToOpen"), path);
  // A value stored without its terminating zero still opens.
  const std::wstring other = writeLesson("other.gb", threeItems());
  writeText(L"ToOpen", other, false);
  SendMessageW(frame, WM_COMMAND, IDM_TO_OPEN, 0);
  EXPECT_EQ(status().label, L"other");
  // Without a path the running copy only comes to the front.
  EXPECT_TRUE(handOverToRunningCopy(L""));
  EXPECT_EQ(status().label, L"other");
}

TEST_F(StudyScreen, NoRunningCopyNoHandOver) {
  EXPECT_FALSE(handOverToRunningCopy(L"x.gb"));
}

TEST(CommandLine, OnePathWithoutQuotesOrBlanks) {
  EXPECT_EQ(lessonPathFromCommandLine(L"  \"C:\\My Lessons\\a.gb\" "), L"C:\\My Lessons\\a.gb");
  EXPECT_EQ(lessonPathFromCommandLine(L"a.gb"), L"a.gb");
  EXPECT_EQ(lessonPathFromCommandLine(L"   "), L"");
  EXPECT_EQ(lessonPathFromCommandLine(nullptr), L"");
}

}  // namespace
}  // namespace morvane::test
