// The editor's screens checked as a person looks at them: every text fits
// its control, no two controls overlap, each window lies on the screen,
// with an item's longest texts typed in and in the About box.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cp936_codec.h"
#include "editor_window.h"
#include "file_lesson_storage.h"
#include "resource.h"
#include "screen_check.h"
#include "scripted_ports.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

std::string joined(const std::vector<std::wstring>& faults) {
  std::string out;
  for (const std::wstring& fault : faults) out += "\n  " + std::string(fault.begin(), fault.end());
  return out;
}

class EditorScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<EditorWindow>(GetModuleHandleW(nullptr), prompt, chooser, storage,
                                            codec);
    ASSERT_NE(window->open(), nullptr);
  }
  void TearDown() override {
    if (IsWindow(window->handle())) DestroyWindow(window->handle());
  }

  fakes::ScriptedPrompt prompt;
  fakes::ScriptedChooser chooser;
  FileLessonStorage storage;
  Cp936Codec codec;
  std::unique_ptr<EditorWindow> window;
};

TEST_F(EditorScreens, TheEditorDialogIsWholeOnTheScreen) {
  const std::vector<std::wstring> empty = screencheck::screenFaults(window->handle());
  EXPECT_TRUE(empty.empty()) << "empty:" << joined(empty);

  // Long texts scroll inside their boxes; the dialog around them stays whole.
  const std::wstring hanzi(125, L'\x4F60');
  const std::wstring latin(250, L'w');
  const std::pair<int, const std::wstring*> fields[] = {
      {IDC_HANZI, &hanzi}, {IDC_READING, &latin}, {IDC_MEANING, &latin}};
  for (const auto& [id, text] : fields) {
    SendDlgItemMessageW(window->handle(), id, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text->c_str()));
  }
  SendMessageW(GetDlgItem(window->handle(), IDC_NEXT), BM_CLICK, 0, 0);
  const std::vector<std::wstring> typed = screencheck::screenFaults(window->handle());
  EXPECT_TRUE(typed.empty()) << "an item typed in:" << joined(typed);
}

TEST_F(EditorScreens, TheAboutBoxIsWholeOnTheScreen) {
  std::vector<std::wstring> faults;
  std::thread user = fakes::answerDialog(L"About MorvaneCHS Lesson Creator", IDOK,
                                         [&faults](HWND about) {
                                           faults = screencheck::screenFaults(about);
                                         });
  SendMessageW(window->handle(), WM_COMMAND, ID_HELP_ABOUT, 0);
  user.join();
  EXPECT_TRUE(faults.empty()) << joined(faults);
}

}  // namespace
}  // namespace quillmark
