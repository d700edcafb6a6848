// The Copy commands' clipboard calls, read back as another program would.
#include "app/clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "clipboard_reader.h"
#include "lesson/char_token.h"

namespace morvane {
namespace {

using fakes::clipboardBytes;
using fakes::clipboardUnicode;

class ClipboardTest : public testing::Test {
 protected:
  ClipboardTest() {
    owner = CreateWindowExW(0, L"static", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    for (CharToken& token : tokens) cells.Append(&token);
  }
  ~ClipboardTest() override { DestroyWindow(owner); }

  HWND owner;
  std::vector<CharToken> tokens{{0xC4, 0xE3}, {0xBA, 0xC3}, {0xC2, 0xF0}};
  PtrArray cells;
};

TEST_F(ClipboardTest, CellsGoOnAsStoredBytesAndAsUnicode) {
  copyCellsToClipboard(owner, cells, EncodingCode::Gb);
  const std::string text = clipboardBytes(CF_TEXT);
  ASSERT_GE(text.size(), 8u);
  EXPECT_EQ(text.substr(0, 8), std::string("\xC4\xE3\xBA\xC3\xC2\xF0\0\0", 8));
  EXPECT_EQ(clipboardUnicode(), L"\u4F60\u597D\u5417");
}

TEST_F(ClipboardTest, WindowTextGoesOnAsUnicodeReplacingWhatWasThere) {
  copyCellsToClipboard(owner, cells, EncodingCode::Gb);
  HWND edit = CreateWindowExW(0, L"edit", L"hello; good day", 0, 0, 0, 100, 20, nullptr, nullptr,
                              nullptr, nullptr);
  copyWindowTextToClipboard(owner, edit);
  EXPECT_EQ(clipboardUnicode(), L"hello; good day");
  SetWindowTextW(edit, L"");
  copyWindowTextToClipboard(owner, edit);
  const std::string empty = clipboardBytes(CF_UNICODETEXT);
  ASSERT_GE(empty.size(), 2u);
  EXPECT_EQ(empty.substr(0, 2), std::string("\0\0", 2));
  DestroyWindow(edit);
}

TEST_F(ClipboardTest, ABusyClipboardIsLeftAsItWas) {
  copyCellsToClipboard(owner, cells, EncodingCode::Gb);
  HWND edit = CreateWindowExW(0, L"edit", L"other", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                              nullptr);
  // Another thread holds the clipboard open while the copy runs.
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE copied = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    OpenClipboard(nullptr);
    SetEvent(opened);
    WaitForSingleObject(copied, INFINITE);
    CloseClipboard();
  });
  WaitForSingleObject(opened, INFINITE);
  copyWindowTextToClipboard(owner, edit);
  SetEvent(copied);
  holder.join();
  CloseHandle(opened);
  CloseHandle(copied);
  EXPECT_EQ(clipboardUnicode(), L"\u4F60\u597D\u5417");
  DestroyWindow(edit);
}

}  // namespace
}  // namespace morvane
