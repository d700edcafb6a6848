// The built MorvaneCHS.exe from outside: started with a lesson path, driven
// by its buttons, closed, and its progress file read back by the lesson core.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lesson/weighted_lesson.h"
#include "trainer_driver.h"
#include "trainer_fixture.h"
#include "win32_test_support.h"

namespace morvane::test {
namespace {

// The build gives a path of the build machine; under Wine "/" is drive Z:.
std::wstring hostProgram() {
  const std::string path = std::string(MORVANE_BINARY_DIR) + "/trainer/app/MorvaneCHS.exe";
  std::wstring wide = path.front() == '/' ? L"Z:" : L"";
  for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

class TrainerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableW(L"MORVANE_DEVICE_ROOT", deviceFolder().c_str());
    clearSettings();
  }
  void TearDown() override {
    if (process.hProcess != nullptr) {
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 9);
      }
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
  }
  bool launch(const std::wstring& lesson) {
    std::wstring command = L"\"" + hostProgram() + L"\" \"" + lesson + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
  }
  HWND startWith(const std::wstring& lesson) {
    if (!launch(lesson)) return nullptr;
    HWND trainer = findTrainer(60000);
    DWORD owner = 0;
    if (trainer != nullptr) GetWindowThreadProcessId(trainer, &owner);
    return owner == process.dwProcessId ? trainer : nullptr;
  }
  // Presses the button once it is enabled (the lesson may still be opening).
  static bool press(HWND trainer, const wchar_t* text) {
    for (int i = 0; i < 300; ++i) {
      if (pressButton(trainer, text)) return true;
      Sleep(100);
    }
    return false;
  }
  PROCESS_INFORMATION process = {};
};

TEST_F(TrainerProgram, StudiedLessonLeavesItsProgressFile) {
  const std::wstring folder = deviceFolder() + L"\\program";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring lesson = folder + L"\\three.gb";
  writeDeviceFile(L"\\program\\three.gb", std::string(kNi) + kHao + " [ni3 hao3] /hello/\n" +
                                               kXie + " [xie4] /thank/\n" + kNi +
                                               " [ni3] /you/\n");
  HWND trainer = startWith(lesson);
  ASSERT_NE(trainer, nullptr);
  ASSERT_TRUE(press(trainer, L"Show"));
  const std::wstring first = meaningText(trainer);
  EXPECT_TRUE(first == L"hello" || first == L"thank" || first == L"you") << first.size();
  ASSERT_TRUE(pressButton(trainer, L"Wrong"));
  int answers = 1;
  while (pressButton(trainer, L"Show") && answers < 10) {
    ASSERT_TRUE(pressButton(trainer, L"Right"));
    ++answers;
  }
  EXPECT_EQ(answers, 4);  // the wrong item came back once
  EXPECT_NE(findVisibleChild(trainer, L"Button", L"Restart"), nullptr);
  ASSERT_TRUE(closeTrainer(trainer, 30000));
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);

  WeightedLesson reread(lesson, lesson + L".st", 0);
  std::vector<float> weights;
  for (int32_t i = 0; i < reread.weights().count(); ++i) {
    weights.push_back(reread.weights().weightAt(i));
  }
  std::sort(weights.begin(), weights.end());
  EXPECT_EQ(weights, (std::vector<float>{5.0f, 5.0f, 11.0f}));
  EXPECT_NE(GetFileAttributesW((lesson + L".st").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// The process's dialog with this title, waiting up to 30 s.
HWND waitForDialog(DWORD process, const wchar_t* title) {
  for (int i = 0; i < 300; ++i) {
    if (HWND dialog = quillmark::fakes::dialogOfProcess(process, title)) return dialog;
    Sleep(100);
  }
  return nullptr;
}

// A device without fonts: the lesson cannot be drawn, so the program says
// so and ends cleanly once the box is answered.
TEST_F(TrainerProgram, MissingFontsEndTheProgramWithAMessage) {
  const std::wstring root = deviceFolder() + L"\\no-fonts";
  CreateDirectoryW(root.c_str(), nullptr);
  SetEnvironmentVariableW(L"MORVANE_DEVICE_ROOT", root.c_str());
  writeDeviceFile(L"\\no-fonts\\a.gb", std::string(kNi) + " [ni3] /you/\n");
  ASSERT_TRUE(launch(root + L"\\a.gb"));
  HWND box = waitForDialog(process.dwProcessId, L"Error Message");
  ASSERT_NE(box, nullptr);
  wchar_t text[128] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, 128);
  EXPECT_STREQ(text, L"Unable to open font file.");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace morvane::test
