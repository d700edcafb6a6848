// Quillmark.exe itself, started as a user starts it and driven from outside
// by window messages: its dialog, the real Save As and Open dialogs, and the
// question on closing.
#include <gtest/gtest.h>

#include <string>

#include "quillmark_driver.h"
#include "resource.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

using fakes::childTexts;
using fakes::QuillmarkDriver;
using fakes::TempFolder;

class QuillmarkProgram : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(dialog_, nullptr) << "no editor window"; }

  QuillmarkDriver program_{QUILLMARK_EXE};
  HWND dialog_ = program_.dialog();
  TempFolder folder_;
};

TEST_F(QuillmarkProgram, SavesThroughTheSaveAsDialogAndAsksOnClosing) {
  for (int id : {IDC_HANZI, IDC_READING, IDC_MEANING, IDC_ITEM_LIST, IDC_NEXT, IDC_PREVIOUS,
                 IDC_DELETE, IDC_INSERT}) {
    EXPECT_NE(GetDlgItem(dialog_, id), nullptr) << id;
  }
  program_.type(IDC_HANZI, L"\x4F60\x597D");
  program_.type(IDC_READING, L"ni3 hao3");
  program_.type(IDC_MEANING, L"hello/hi");
  program_.command(ID_FILE_SAVE);  // no file yet: Save As
  const std::wstring path = folder_.path(L"greeting");
  ASSERT_TRUE(program_.chooseFile(L"Save As", path));
  for (int tries = 0; tries < 200 && TempFolder::readFile(path + L".gb") == "<missing>"; ++tries) {
    Sleep(50);
  }
  EXPECT_EQ(TempFolder::readFile(path + L".gb"), "\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/hi/\r\n");
  EXPECT_EQ(QuillmarkDriver::windowText(dialog_), L"MorvaneCHS Lesson Editor: greeting.gb");

  program_.type(IDC_MEANING, L"hi");
  // Another program in front, as when the editor is closed from the taskbar.
  HWND other = CreateWindowExW(0, L"STATIC", L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                               0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND question = program_.waitForWindow(L"Lesson Editor Message");
  ASSERT_NE(question, nullptr);
  // The question holds the editor until it is answered.
  EXPECT_EQ(GetWindow(question, GW_OWNER), dialog_);
  EXPECT_FALSE(IsWindowEnabled(dialog_));
  std::vector<std::wstring> texts = childTexts(question);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Save changes?"), texts.end());
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(program_.exits());
  DestroyWindow(other);
  EXPECT_EQ(TempFolder::readFile(path + L".gb"), "\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/hi/\r\n");
}

TEST_F(QuillmarkProgram, OpensAFileThroughTheOpenDialogAndClosesWithoutAQuestion) {
  const std::wstring path = folder_.path(L"two.gb");
  TempFolder::writeFile(path, "\xB0\xA1 [a1] /ah/\r\n\xD6\xD0 [zhong1] /middle/\r\n");
  program_.command(ID_FILE_OPEN);
  ASSERT_TRUE(program_.chooseFile(L"Open", path));
  ASSERT_TRUE(program_.waitForText(GetDlgItem(dialog_, IDC_MEANING), L"ah"));
  EXPECT_EQ(QuillmarkDriver::windowText(dialog_), L"MorvaneCHS Lesson Editor: two.gb");
  HWND list = GetDlgItem(dialog_, IDC_ITEM_LIST);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(QuillmarkDriver::windowText(GetDlgItem(dialog_, IDC_HANZI)), L"\x554A");
  PostMessageW(dialog_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program_.exits());
}

// "Edit" on a lesson, or a lesson dropped on the program: it opens as Open
// would open it; a file it cannot read is said so, with a new lesson left.
TEST(QuillmarkCommandLine, OpensTheLessonItIsGiven) {
  TempFolder folder;
  const std::wstring path = folder.path(L"named.gb");
  TempFolder::writeFile(path, "\xD6\xD0 [zhong1] /middle/\r\n\xB0\xA1 [a1] /ah/\r\n");
  QuillmarkDriver program(QUILLMARK_EXE, L"\"" + path + L"\"",
                          L"MorvaneCHS Lesson Editor: named.gb");
  ASSERT_NE(program.dialog(), nullptr);
  ASSERT_TRUE(program.waitForText(GetDlgItem(program.dialog(), IDC_MEANING), L"middle"));
  EXPECT_EQ(QuillmarkDriver::windowText(GetDlgItem(program.dialog(), IDC_HANZI)), L"\x4E2D");
  EXPECT_EQ(SendDlgItemMessageW(program.dialog(), IDC_ITEM_LIST, LB_GETCOUNT, 0, 0), 2);
  PostMessageW(program.dialog(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.exits());

  const std::wstring missing = folder.path(L"missing.gb");
  QuillmarkDriver refused(QUILLMARK_EXE, L"\"" + missing + L"\"");
  ASSERT_NE(refused.dialog(), nullptr);
  HWND box = refused.waitForWindow(L"Lesson Editor Message");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(QuillmarkDriver::windowText(GetDlgItem(box, 0xFFFF)),
            L"The file \"" + missing + L"\" could not be opened.");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(QuillmarkDriver::windowText(refused.dialog()), L"MorvaneCHS Lesson Editor: (New)");
}

TEST_F(QuillmarkProgram, OpensADictionarySizedLessonWhole) {
  // 120,000 items, as a dictionary converted to a lesson holds.
  const int kItems = 120000;
  const std::wstring path = folder_.path(L"dictionary.gb");
  TempFolder::writeFile(path, fakes::dictionaryLesson(kItems));
  program_.command(ID_FILE_OPEN);
  ASSERT_TRUE(program_.chooseFile(L"Open", path));
  // A generous wait: this checks that all arrives, not how fast.
  ASSERT_TRUE(program_.waitForText(GetDlgItem(dialog_, IDC_MEANING), L"item 0", 60));
  HWND list = GetDlgItem(dialog_, IDC_ITEM_LIST);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), kItems);
  SendMessageW(list, LB_SETCURSEL, kItems - 1, 0);
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_ITEM_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(QuillmarkDriver::windowText(GetDlgItem(dialog_, IDC_MEANING)), L"item 119999");
  PostMessageW(dialog_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program_.exits());
}

}  // namespace
}  // namespace quillmark
