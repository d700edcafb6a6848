// The editor's dialog window driven by messages as a user would drive it:
// text set into the edit boxes (raising EN_CHANGE), buttons clicked, menu
// commands, questions answered by a script or on the real message boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "cp936_codec.h"
#include "editor_window.h"
#include "file_lesson_storage.h"
#include "message_prompt.h"
#include "resource.h"
#include "scripted_ports.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

using fakes::answerDialog;
using fakes::childTexts;
using fakes::ScriptedChooser;
using fakes::ScriptedPrompt;
using fakes::TempFolder;

const wchar_t kNiHao[] = L"\x4F60\x597D";
const char kNiHaoGbk[] = "\xC4\xE3\xBA\xC3";

bool contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { openWindow(prompt); }

  void openWindow(UserPrompt& userPrompt) {
    window = std::make_unique<EditorWindow>(GetModuleHandleW(nullptr), userPrompt, chooser,
                                            storage, codec);
    ASSERT_NE(window->open(), nullptr);
  }

  HWND dialog() const { return window->handle(); }
  LessonEditorDialog& editor() { return window->editor(); }

  void type(int id, const std::wstring& text) {
    SendDlgItemMessageW(dialog(), id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void typeItem(const std::wstring& hanzi, const std::wstring& reading,
                const std::wstring& meaning) {
    type(IDC_HANZI, hanzi);
    type(IDC_READING, reading);
    type(IDC_MEANING, meaning);
  }
  void click(int id) { SendMessageW(GetDlgItem(dialog(), id), BM_CLICK, 0, 0); }
  void command(int id) { SendMessageW(dialog(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void pickLine(int index) {
    HWND list = GetDlgItem(dialog(), IDC_ITEM_LIST);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog(), WM_COMMAND, MAKEWPARAM(IDC_ITEM_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
  std::wstring editText(int id) {
    wchar_t text[300] = {};
    GetDlgItemTextW(dialog(), id, text, 300);
    return text;
  }
  int listCount() {
    return static_cast<int>(SendDlgItemMessageW(dialog(), IDC_ITEM_LIST, LB_GETCOUNT, 0, 0));
  }
  std::wstring listLine(int index) {
    wchar_t text[300] = {};
    SendDlgItemMessageW(dialog(), IDC_ITEM_LIST, LB_GETTEXT, index,
                        reinterpret_cast<LPARAM>(text));
    return text;
  }
  int listSelection() {
    return static_cast<int>(SendDlgItemMessageW(dialog(), IDC_ITEM_LIST, LB_GETCURSEL, 0, 0));
  }

  TempFolder folder;
  ScriptedPrompt prompt;
  ScriptedChooser chooser;
  FileLessonStorage storage;
  Cp936Codec codec;
  std::unique_ptr<EditorWindow> window;
};

TEST_F(EditorWindowTest, StartsWithTheControlsMenusAndTitleOfANewLesson) {
  EXPECT_EQ(windowText(dialog()), L"MorvaneCHS Lesson Editor: (New)");
  std::vector<std::wstring> texts = childTexts(dialog());
  for (const wchar_t* label : {L"Hanzi", L"Reading", L"Meaning", L"Next", L"Previous", L"Delete",
                               L"Insert"}) {
    EXPECT_TRUE(contains(texts, label)) << "missing " << label;
  }
  EXPECT_EQ(windowText(GetDlgItem(dialog(), IDC_NEXT)), L"Next");
  EXPECT_EQ(windowText(GetDlgItem(dialog(), IDC_PREVIOUS)), L"Previous");
  EXPECT_EQ(windowText(GetDlgItem(dialog(), IDC_DELETE)), L"Delete");
  EXPECT_EQ(windowText(GetDlgItem(dialog(), IDC_INSERT)), L"Insert");
  EXPECT_EQ(listCount(), 1);
  EXPECT_EQ(listSelection(), 0);
  EXPECT_FALSE(editor().modified());

  HMENU menu = GetMenu(dialog());
  ASSERT_NE(menu, nullptr);
  wchar_t text[64];
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"File");
  GetMenuStringW(menu, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Help");
  const std::pair<int, const wchar_t*> commands[] = {
      {ID_FILE_NEW, L"New..."},       {ID_FILE_OPEN, L"Open..."}, {ID_FILE_SAVE, L"Save"},
      {ID_FILE_SAVE_AS, L"Save As..."}, {ID_FILE_EXIT, L"Exit"},    {ID_HELP_ABOUT, L"About..."}};
  for (const auto& [id, label] : commands) {
    ASSERT_GT(GetMenuStringW(menu, id, text, 64, MF_BYCOMMAND), 0) << id;
    EXPECT_STREQ(text, label);
  }
  EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 0), static_cast<UINT>(ID_FILE_NEW));

  HMENU systemMenu = GetSystemMenu(dialog(), FALSE);
  int last = GetMenuItemCount(systemMenu) - 1;
  EXPECT_EQ(GetMenuItemID(systemMenu, last), 16u);
  GetMenuStringW(systemMenu, last, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&About Quillmark...");
}

TEST_F(EditorWindowTest, HanziBoxAndListUseAGb2312FontOfTenPoints) {
  for (int id : {IDC_HANZI, IDC_ITEM_LIST}) {
    HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog(), id, WM_GETFONT, 0, 0));
    LOGFONTW description = {};
    ASSERT_TRUE(GetObjectW(font, sizeof description, &description)) << id;
    EXPECT_EQ(description.lfCharSet, GB2312_CHARSET);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(description.lfHeight, -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
  }
  EXPECT_NE(SendMessageW(dialog(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(EditorWindowTest, TypingMarksModifiedAndNavigationKeepsIt) {
  typeItem(kNiHao, L"ni3 hao3", L"hello");
  EXPECT_TRUE(editor().modified());
  click(IDC_NEXT);
  ASSERT_EQ(listCount(), 2);
  EXPECT_EQ(listLine(0), kNiHao);
  EXPECT_EQ(listSelection(), 1);
  EXPECT_EQ(editText(IDC_HANZI), L"");

  chooser.paths = {folder.path(L"nav.gb")};
  command(ID_FILE_SAVE_AS);
  ASSERT_FALSE(editor().modified());
  click(IDC_PREVIOUS);
  EXPECT_EQ(editText(IDC_HANZI), kNiHao);
  EXPECT_EQ(editText(IDC_READING), L"ni3 hao3");
  EXPECT_EQ(editText(IDC_MEANING), L"hello");
  EXPECT_FALSE(editor().modified());
  pickLine(1);
  EXPECT_EQ(editor().currentIndex(), 1);
  EXPECT_FALSE(editor().modified());
}

TEST_F(EditorWindowTest, NextOnAnEmptyLastItemAddsNothing) {
  click(IDC_NEXT);
  click(IDC_NEXT);
  EXPECT_EQ(listCount(), 1);
  EXPECT_EQ(editor().items().size(), 1u);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog(), IDC_HANZI));
}

TEST_F(EditorWindowTest, DeleteOnTheOnlyItemEmptiesIt) {
  typeItem(kNiHao, L"ni3 hao3", L"hello");
  click(IDC_DELETE);
  EXPECT_EQ(editor().items().size(), 1u);
  EXPECT_EQ(listCount(), 1);
  EXPECT_EQ(editText(IDC_HANZI), L"");
  EXPECT_EQ(editText(IDC_MEANING), L"");
  EXPECT_TRUE(editor().modified());
}

TEST_F(EditorWindowTest, InsertAtTheFirstItemShowsANewEmptyItem) {
  typeItem(kNiHao, L"ni3 hao3", L"hello");
  click(IDC_NEXT);
  typeItem(L"\x4E2D", L"zhong1", L"middle");
  click(IDC_NEXT);
  pickLine(0);
  EXPECT_EQ(editText(IDC_HANZI), kNiHao);
  click(IDC_INSERT);
  ASSERT_EQ(listCount(), 4);
  EXPECT_EQ(listLine(0), L"");
  EXPECT_EQ(listLine(1), kNiHao);
  EXPECT_EQ(listSelection(), 0);
  EXPECT_EQ(editor().currentIndex(), 0);
  EXPECT_EQ(editText(IDC_HANZI), L"");
}

TEST_F(EditorWindowTest, LatinHanziIsFixedOnAnswerYes) {
  typeItem(L"abc", L"ni3", L"you");
  prompt.answers = {true};
  click(IDC_NEXT);
  ASSERT_EQ(prompt.questions.size(), 1u);
  EXPECT_EQ(prompt.questions[0], L"Lesson item possibly contains errors. Fix?");
  EXPECT_EQ(editor().items()[0].fieldText(Field::Hanzi), L"\xFF1F\xFF1F\xFF1F");
}

TEST_F(EditorWindowTest, SaveWithoutAFileGoesToSaveAsAndWritesGbkLines) {
  typeItem(kNiHao, L"ni3 hao3", L"hello/how are you");
  click(IDC_NEXT);
  typeItem(L"\x554A", L"a1", L"ah");
  const std::wstring path = folder.path(L"greet.gb");
  chooser.paths = {path};
  command(ID_FILE_SAVE);
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_EQ(windowText(dialog()), L"MorvaneCHS Lesson Editor: greet.gb");
  EXPECT_EQ(TempFolder::readFile(path),
            std::string(kNiHaoGbk) + " [ni3 hao3] /hello/how are you/\r\n\xB0\xA1 [a1] /ah/\r\n");
  EXPECT_FALSE(editor().modified());
}

TEST_F(EditorWindowTest, OpenLoadsTheFileAndTitlesItByName) {
  const std::wstring path = folder.path(L"two.gb");
  TempFolder::writeFile(path, "title line\r\n\xB0\xA1 [a1] /ah/\r\n" + std::string(kNiHaoGbk) +
                                  " [ni3 hao3] /hello/hi/\r\n");
  chooser.paths = {path};
  command(ID_FILE_OPEN);
  EXPECT_EQ(windowText(dialog()), L"MorvaneCHS Lesson Editor: two.gb");
  ASSERT_EQ(listCount(), 2);
  EXPECT_EQ(listLine(0), L"\x554A");
  EXPECT_EQ(listLine(1), kNiHao);
  EXPECT_EQ(editText(IDC_HANZI), L"\x554A");
  EXPECT_EQ(editText(IDC_READING), L"a1");
  pickLine(1);
  EXPECT_EQ(editText(IDC_MEANING), L"hello/hi");
  EXPECT_FALSE(editor().modified());
}

TEST_F(EditorWindowTest, UnwritableFileIsReportedAndTheDialogStaysOpen) {
  typeItem(kNiHao, L"ni3 hao3", L"hello");
  chooser.paths = {folder.path(L"no such folder\\x.gb")};
  command(ID_FILE_SAVE_AS);
  EXPECT_EQ(prompt.notices.size(), 1u);
  EXPECT_TRUE(editor().modified());
  prompt.answers = {true};  // save changes? yes, and it fails again
  command(ID_FILE_EXIT);
  EXPECT_TRUE(IsWindow(dialog()));
  EXPECT_EQ(prompt.notices.size(), 2u);
}

TEST_F(EditorWindowTest, StoringTheItemKeepsItsLineSelected) {
  typeItem(kNiHao, L"ni3 hao3", L"hello");
  click(IDC_NEXT);
  typeItem(L"\x4E2D", L"zhong1", L"middle");
  chooser.paths = {folder.path(L"keep.gb")};
  command(ID_FILE_SAVE);
  EXPECT_EQ(listLine(1), L"\x4E2D");
  EXPECT_EQ(listSelection(), 1);
  EXPECT_EQ(editor().currentIndex(), 1);
}

TEST_F(EditorWindowTest, ExitClosesTheDialogWithoutQuestionsWhenNothingChanged) {
  HWND handle = dialog();
  command(ID_FILE_EXIT);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(EditorWindowTest, AboutBoxShowsItsTitleAndText) {
  for (bool fromSystemMenu : {false, true}) {
    std::vector<std::wstring> texts;
    std::thread answer = answerDialog(L"About MorvaneCHS Lesson Creator", IDOK,
                                      [&texts](HWND about) { texts = childTexts(about); });
    if (fromSystemMenu) {
      SendMessageW(dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    } else {
      command(ID_HELP_ABOUT);
    }
    answer.join();
    EXPECT_TRUE(contains(texts, L"MorvaneCHS Lesson Editor Version 1.0"));
    EXPECT_TRUE(contains(texts, L"OK"));
  }
}

TEST_F(EditorWindowTest, SystemMenuAboutLeavesTheEditBoxesUnstored) {
  typeItem(L"abc", L"a", L"b");
  std::thread answer = answerDialog(L"About MorvaneCHS Lesson Creator", IDOK);
  SendMessageW(dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  answer.join();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(editor().items()[0].fieldText(Field::Hanzi), L"");
  EXPECT_EQ(listLine(0), L"");
}

TEST(EditorWindowMessages, CloseAsksSaveChangesInAMessageBox) {
  TempFolder folder;
  MessagePrompt prompt;
  ScriptedChooser chooser;
  FileLessonStorage storage;
  Cp936Codec codec;
  EditorWindow window(GetModuleHandleW(nullptr), prompt, chooser, storage, codec);
  HWND dialog = window.open();
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextW(dialog, IDC_HANZI, kNiHao);
  std::vector<std::wstring> texts;
  std::thread answer = answerDialog(L"Lesson Editor Message", IDNO,
                                    [&texts](HWND box) { texts = childTexts(box); });
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  answer.join();
  EXPECT_TRUE(contains(texts, L"Save changes?"));
  EXPECT_TRUE(contains(texts, L"&Yes"));
  EXPECT_TRUE(contains(texts, L"&No"));
  EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace quillmark
