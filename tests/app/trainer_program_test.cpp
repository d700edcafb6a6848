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
  HWND startWith(const std::wstring& lesson) {
    std::wstring command = L"\"" + hostProgram() + L"\" \"" + lesson + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      return nullptr;
    }
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

}  // namespace
}  // namespace morvane::test
