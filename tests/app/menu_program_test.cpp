// MorvaneCHS.exe itself, started as a user starts it on a device of the
// test's own, and driven from outside by its command numbers: the hand-over
// from a second start, the Copy commands read back from the clipboard,
// Multi-Open through the chooser's controls, About, Help and Exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clipboard_reader.h"
#include "hbf_test_support.h"
#include "resources/resource.h"
#include "temp_device_root.h"

namespace morvane {
namespace {

// 你好吗 and 谢谢 in GB 2312.
const char kHowAreYou[] = "\xC4\xE3\xBA\xC3\xC2\xF0 [ni3 hao3 ma5] /how are you/\r\n";
const char kThankYou[] = "\xD0\xBB\xD0\xBB [xie4 xie5] /thank you/\r\n";

// The build gives a path of the build machine; under Wine "/" is drive Z:.
std::wstring programPath() {
  const std::string path = MORVANE_TRAINER_EXE;
  std::wstring wide = path.front() == '/' ? L"Z:" : L"";
  for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return wide;
}

using fakes::clipboardBytes;
using fakes::clipboardUnicode;

void putOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
  std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * 2);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

void setSwitch(const wchar_t* name, DWORD value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

class MenuProgram : public testing::Test {
 protected:
  MenuProgram() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS");
    // A 16-pixel GB font covering every Hanzi row, in the device's "\Windows".
    device.addFile(L"\\Windows\\dxi24.hbf",
                   test::hbfFont({"HBF_CODE_RANGE 0xB0A1-0xF7FE dxi24.bin 0"},
                                 "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\n"
                                 "HBF_END_BYTE_2_RANGES\n"));
    device.addFile(L"\\Windows\\dxi24.bin", test::glyphData(72 * 94, 32));
    device.addFile(L"\\My Documents\\a.gb", kHowAreYou);
    device.addFile(L"\\My Documents\\Lessons\\b.gb", kThankYou);
    SetEnvironmentVariableW(L"MORVANE_DEVICE_ROOT", device.root().c_str());
    SetEnvironmentVariableW(L"MORVANE_STORAGE_CARDS", L"Storage Card");
  }

  ~MenuProgram() override {
    if (running_.hProcess) {
      if (WaitForSingleObject(running_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(running_.hProcess, 1);
        WaitForSingleObject(running_.hProcess, 5000);
      }
      CloseHandle(running_.hThread);
      CloseHandle(running_.hProcess);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS");
  }

  // Starts the trainer with `arguments`; returns its process.
  PROCESS_INFORMATION start(const std::wstring& arguments) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + programPath() + L"\" " + arguments;
    PROCESS_INFORMATION process = {};
    CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &process);
    return process;
  }

  // Starts the copy the test drives and waits for its frame.
  void startTrainer(const std::wstring& arguments) {
    running_ = start(arguments);
    ASSERT_NE(running_.hProcess, nullptr);
    for (int tries = 0; tries < 400 && !frame; ++tries) {
      frame = windowOfTrainer(L"Kelvaro", L"MorvaneCHS");
      if (!frame) Sleep(50);
    }
    ASSERT_NE(frame, nullptr) << "no trainer window";
  }

  LRESULT command(int id) { return SendMessageW(frame, WM_COMMAND, id, 0); }

  // A top-level window of the driven copy with this class and title, or null.
  HWND windowOfTrainer(const wchar_t* windowClass, const wchar_t* title) const {
    for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, title); w;
         w = FindWindowExW(nullptr, w, windowClass, title)) {
      DWORD process = 0;
      GetWindowThreadProcessId(w, &process);
      if (process == running_.dwProcessId && IsWindowVisible(w)) return w;
    }
    return nullptr;
  }

  // A visible dialog of the driven copy with this title, or null after 10 s.
  HWND waitForDialog(const wchar_t* title) const {
    for (int tries = 0; tries < 200; ++tries) {
      if (HWND dialog = windowOfTrainer(L"#32770", title)) return dialog;
      Sleep(50);
    }
    return nullptr;
  }

  // Exit from the menu; true once the program has ended.
  bool exitTrainer() {
    command(IDM_EXIT);
    return WaitForSingleObject(running_.hProcess, 20000) == WAIT_OBJECT_0;
  }

  std::string hostFile(const std::wstring& devicePath) {
    HANDLE file = CreateFileW((device.root() + devicePath).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    return bytes;
  }

  fakes::TempDeviceRoot device;
  HWND frame = nullptr;

 private:
  PROCESS_INFORMATION running_ = {};
};

TEST_F(MenuProgram, ASecondStartHandsItsLessonToTheRunningCopy) {
  startTrainer(L"");
  PROCESS_INFORMATION second = start(L"\"\\My Documents\\a.gb\"");
  ASSERT_NE(second.hProcess, nullptr);
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 20000), WAIT_OBJECT_0);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  // The running copy now shows the lesson's item: Copy Hanzi proves it.
  command(IDM_COPY_HANZI);
  EXPECT_EQ(clipboardBytes(CF_TEXT).substr(0, 8), std::string("\xC4\xE3\xBA\xC3\xC2\xF0\0\0", 8));
  EXPECT_EQ(clipboardUnicode(), L"\u4F60\u597D\u5417");
}

TEST_F(MenuProgram, CopyReadingGivesPinyinOneBytePerLetter) {
  startTrainer(L"\"\\My Documents\\a.gb\"");
  command(IDM_COPY_READING);
  EXPECT_EQ(clipboardBytes(CF_TEXT).substr(0, 14), std::string("ni3 hao3 ma5\0\0", 14));
  EXPECT_EQ(clipboardUnicode(), L"ni3 hao3 ma5");
}

TEST_F(MenuProgram, CopyMeaningCopiesWhatTheMeaningFieldShows) {
  setSwitch(L"meaning", 0);
  startTrainer(L"\"\\My Documents\\a.gb\"");
  putOnClipboard(L"something else");
  command(IDM_COPY_MEANING);
  const std::string hidden = clipboardBytes(CF_UNICODETEXT);
  ASSERT_GE(hidden.size(), 2u);
  EXPECT_EQ(hidden.substr(0, 2), std::string("\0\0", 2));
  command(IDC_SHOW);
  command(IDM_COPY_MEANING);
  EXPECT_EQ(clipboardUnicode(), L"how are you");
}

TEST_F(MenuProgram, CopyWithNoLessonLeavesTheClipboardAlone) {
  startTrainer(L"");
  putOnClipboard(L"kept");
  command(IDM_COPY_HANZI);
  command(IDM_COPY_READING);
  command(IDM_COPY_MEANING);
  EXPECT_EQ(clipboardUnicode(), L"kept");
}

TEST_F(MenuProgram, ExitSavesTheSettingsAndTheLessonsProgress) {
  startTrainer(L"\"\\My Documents\\a.gb\"");
  command(IDC_SHOW);
  command(IDC_WRONG);
  ASSERT_TRUE(exitTrainer());
  const std::string progress = hostFile(L"\\My Documents\\a.gb.st");
  ASSERT_GE(progress.size(), 4u);
  float weight = 0;
  std::memcpy(&weight, progress.data() + progress.size() - 4, 4);
  EXPECT_EQ(weight, 12.0f);  // 6.0 to start, 6.0 more for Wrong
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS", 0, KEY_QUERY_VALUE, &key),
            ERROR_SUCCESS);
  wchar_t mode[32] = {};
  DWORD size = sizeof mode;
  EXPECT_EQ(RegQueryValueExW(key, L"mode", nullptr, nullptr, reinterpret_cast<BYTE*>(mode), &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(mode, L"Normal");
  RegCloseKey(key);
}

TEST_F(MenuProgram, MultiOpenReadsTheChosenFilesWithTheirProgressFiles) {
  startTrainer(L"");
  PostMessageW(frame, WM_COMMAND, IDM_MULTI_OPEN, 0);
  HWND chooser = waitForDialog(L"Open Multiple Files");
  ASSERT_NE(chooser, nullptr);
  HWND list = GetDlgItem(chooser, IDC_CHOOSER_FILES);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  SendMessageW(list, LB_SETSEL, TRUE, -1);
  SendMessageW(chooser, WM_COMMAND, IDOK, 0);
  // "Show" is enabled once the set is read (the Wait box's own messages may
  // let a command through before that).
  HWND main = FindWindowExW(frame, nullptr, L"MorvaneCHSWnd", nullptr);
  HWND show = FindWindowExW(main, nullptr, L"Button", L"Show");
  for (int tries = 0; tries < 200 && !IsWindowEnabled(show); ++tries) Sleep(50);
  ASSERT_TRUE(IsWindowEnabled(show));
  command(IDC_SHOW);
  EXPECT_EQ(windowOfTrainer(L"#32770", L"Wait"), nullptr);
  command(IDC_RIGHT);
  command(IDC_RIGHT);
  ASSERT_TRUE(exitTrainer());
  float weight = 0;
  for (const wchar_t* path : {L"\\My Documents\\a.gb.st", L"\\My Documents\\Lessons\\b.gb.st"}) {
    const std::string progress = hostFile(path);
    ASSERT_GE(progress.size(), 4u) << "no progress file";
    std::memcpy(&weight, progress.data() + progress.size() - 4, 4);
    EXPECT_EQ(weight, 5.0f);  // 6.0 less 1.0 for Right
  }
}

TEST_F(MenuProgram, OpenReadsTheFileChosenInTheFileDialog) {
  startTrainer(L"");
  PostMessageW(frame, WM_COMMAND, IDM_OPEN, 0);
  HWND open = waitForDialog(L"Open");
  ASSERT_NE(open, nullptr);
  // The file name box (cmb13) of the platform's dialog, then its OK.
  const std::wstring path = device.root() + L"\\My Documents\\Lessons\\b.gb";
  SendDlgItemMessageW(open, 1148, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  for (int tries = 0; tries < 200 && windowOfTrainer(L"#32770", L"Open"); ++tries) Sleep(50);
  command(IDM_COPY_HANZI);
  EXPECT_EQ(clipboardUnicode(), L"\u8C22\u8C22");
}

// A bare name typed into Open is looked for in "\My Documents", where the
// dialog starts, with ".gb" added.
TEST_F(MenuProgram, OpenStartsInMyDocumentsAndAddsTheGbExtension) {
  startTrainer(L"");
  PostMessageW(frame, WM_COMMAND, IDM_OPEN, 0);
  HWND open = waitForDialog(L"Open");
  ASSERT_NE(open, nullptr);
  SendDlgItemMessageW(open, 1148, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"a"));
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  for (int tries = 0; tries < 200 && windowOfTrainer(L"#32770", L"Open"); ++tries) Sleep(50);
  command(IDM_COPY_HANZI);
  EXPECT_EQ(clipboardUnicode(), L"\u4F60\u597D\u5417");
}

TEST_F(MenuProgram, MultiOpenCancelledKeepsTheOpenLesson) {
  startTrainer(L"\"\\My Documents\\a.gb\"");
  PostMessageW(frame, WM_COMMAND, IDM_MULTI_OPEN, 0);
  HWND chooser = waitForDialog(L"Open Multiple Files");
  ASSERT_NE(chooser, nullptr);
  SendMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
  command(IDM_COPY_HANZI);
  EXPECT_EQ(clipboardUnicode(), L"\u4F60\u597D\u5417");
}

TEST_F(MenuProgram, AboutOpensItsBoxAndHelpWithoutAPageDoesNothing) {
  startTrainer(L"");
  PostMessageW(frame, WM_COMMAND, IDM_ABOUT, 0);
  HWND about = waitForDialog(L"About MorvaneCHS");
  ASSERT_NE(about, nullptr);
  SendMessageW(about, WM_COMMAND, IDOK, 0);
  command(IDM_HELP_CONTENTS);
  command(IDHELP);
  command(12345);  // not a command: ignored
  EXPECT_EQ(windowOfTrainer(L"#32770", L"About MorvaneCHS"), nullptr);
  EXPECT_TRUE(IsWindow(frame));
}

}  // namespace
}  // namespace morvane
