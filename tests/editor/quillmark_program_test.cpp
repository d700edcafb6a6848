// Quillmark.exe itself, started as a user starts it and driven from outside
// by window messages: its dialog, the real Save As and Open dialogs, and the
// question on closing.
#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "win32_test_support.h"

namespace quillmark {
namespace {

using fakes::childTexts;
using fakes::TempFolder;

const wchar_t kNewTitle[] = L"MorvaneCHS Lesson Editor: (New)";

// The build gives a path of the build machine; under Wine "/" is drive Z:.
std::wstring programPath() {
  std::string path = QUILLMARK_EXE;
  std::wstring wide = path.front() == '/' ? L"Z:" : L"";
  for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

struct WindowSearch {
  DWORD process;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  if (process != search->process || !IsWindowVisible(window) || search->title != std::wstring(text)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

// WM_GETTEXT, since GetWindowText does not read controls of another process.
std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR result;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &result);
  return text;
}

class QuillmarkProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + programPath() + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process_));
    dialog_ = waitForWindow(kNewTitle);
    ASSERT_NE(dialog_, nullptr) << "no editor window";
  }

  void TearDown() override {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // A visible top-level window of the program with this title, or null after 10 s.
  HWND waitForWindow(const wchar_t* title) {
    for (int tries = 0; tries < 200; ++tries) {
      WindowSearch search = {process_.dwProcessId, title, nullptr};
      EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found) return search.found;
      Sleep(50);
    }
    return nullptr;
  }

  // The dialog's title is set before the file is written or read, so a test
  // waits for something that comes after.
  bool waitForText(HWND window, const std::wstring& text) {
    for (int tries = 0; tries < 200 && windowText(window) != text; ++tries) Sleep(50);
    return windowText(window) == text;
  }

  void type(int id, const wchar_t* text) {
    DWORD_PTR result;
    SendMessageTimeoutW(GetDlgItem(dialog_, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &result);
  }

  // Posted, because a command may open a modal box that this test must answer.
  void command(int id) { PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  // Puts the path into the file dialog's name box and presses its OK button.
  void chooseFile(const wchar_t* dialogTitle, const std::wstring& path) {
    HWND files = waitForWindow(dialogTitle);
    ASSERT_NE(files, nullptr) << "no file dialog";
    HWND nameBox = FindWindowExW(files, nullptr, L"ComboBoxEx32", nullptr);
    HWND name = nameBox ? GetDlgItem(GetDlgItem(nameBox, 1148), 1148) : GetDlgItem(files, 1152);
    ASSERT_NE(name, nullptr) << "no file name box";
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(files, WM_COMMAND, IDOK, 0);
  }

  bool exits() { return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0; }

  PROCESS_INFORMATION process_ = {};
  HWND dialog_ = nullptr;
  TempFolder folder_;
};

TEST_F(QuillmarkProgram, SavesThroughTheSaveAsDialogAndAsksOnClosing) {
  for (int id : {IDC_HANZI, IDC_READING, IDC_MEANING, IDC_ITEM_LIST, IDC_NEXT, IDC_PREVIOUS,
                 IDC_DELETE, IDC_INSERT}) {
    EXPECT_NE(GetDlgItem(dialog_, id), nullptr) << id;
  }
  type(IDC_HANZI, L"\x4F60\x597D");
  type(IDC_READING, L"ni3 hao3");
  type(IDC_MEANING, L"hello/hi");
  command(ID_FILE_SAVE);  // no file yet: Save As
  const std::wstring path = folder_.path(L"greeting");
  chooseFile(L"Save As", path);
  for (int tries = 0; tries < 200 && TempFolder::readFile(path + L".gb") == "<missing>"; ++tries) {
    Sleep(50);
  }
  EXPECT_EQ(TempFolder::readFile(path + L".gb"), "\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/hi/\r\n");
  EXPECT_EQ(windowText(dialog_), L"MorvaneCHS Lesson Editor: greeting.gb");

  type(IDC_MEANING, L"hi");
  // Another program in front, as when the editor is closed from the taskbar.
  HWND other = CreateWindowExW(0, L"STATIC", L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND question = waitForWindow(L"Lesson Editor Message");
  ASSERT_NE(question, nullptr);
  // The question holds the editor until it is answered.
  EXPECT_EQ(GetWindow(question, GW_OWNER), dialog_);
  EXPECT_FALSE(IsWindowEnabled(dialog_));
  std::vector<std::wstring> texts = childTexts(question);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Save changes?"), texts.end());
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(exits());
  DestroyWindow(other);
  EXPECT_EQ(TempFolder::readFile(path + L".gb"), "\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/hi/\r\n");
}

TEST_F(QuillmarkProgram, OpensAFileThroughTheOpenDialogAndClosesWithoutAQuestion) {
  const std::wstring path = folder_.path(L"two.gb");
  TempFolder::writeFile(path, "\xB0\xA1 [a1] /ah/\r\n\xD6\xD0 [zhong1] /middle/\r\n");
  command(ID_FILE_OPEN);
  chooseFile(L"Open", path);
  ASSERT_TRUE(waitForText(GetDlgItem(dialog_, IDC_MEANING), L"ah"));
  EXPECT_EQ(windowText(dialog_), L"MorvaneCHS Lesson Editor: two.gb");
  HWND list = GetDlgItem(dialog_, IDC_ITEM_LIST);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(windowText(GetDlgItem(dialog_, IDC_HANZI)), L"\x554A");
  PostMessageW(dialog_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(exits());
}

}  // namespace
}  // namespace quillmark
