// The About box, the "Wait" box and the handed-over path, as a user meets them.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/about_box.h"
#include "app/handed_over_file.h"
#include "app/wait_dialog.h"
#include "win32_test_support.h"

namespace morvane {
namespace {

HWND makeOwner() {
  return CreateWindowExW(0, L"static", L"owner", WS_POPUP, 20, 40, 240, 320, nullptr, nullptr,
                         nullptr, nullptr);
}

TEST(AboutBox, OpensCentredOverItsOwnerAndOkEndsIt) {
  HWND owner = makeOwner();
  RECT about = {};
  std::vector<std::wstring> texts;
  std::thread user = quillmark::fakes::answerDialog(L"About MorvaneCHS", IDOK, [&](HWND dialog) {
    GetWindowRect(dialog, &about);
    texts = quillmark::fakes::childTexts(dialog);
  });
  runAboutBox(owner, GetModuleHandleW(nullptr));
  user.join();
  const int width = about.right - about.left;
  const int height = about.bottom - about.top;
  EXPECT_EQ(about.left, 20 + (240 - width) / 2);
  EXPECT_EQ(about.top, 40 + (320 - height) / 2);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"MorvaneCHS"), texts.end());
  DestroyWindow(owner);
}

TEST(WaitDialog, IsAVisibleTopmostBoxSayingWhatIsHappening) {
  HWND owner = makeOwner();
  HWND wait = showWaitDialog(owner, GetModuleHandleW(nullptr));
  ASSERT_NE(wait, nullptr);
  wchar_t title[32] = {};
  GetWindowTextW(wait, title, 32);
  EXPECT_STREQ(title, L"Wait");
  EXPECT_TRUE(IsWindowVisible(wait));
  EXPECT_TRUE(GetWindowLongW(wait, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(quillmark::fakes::childTexts(wait), std::vector<std::wstring>{L"Reading Lesson Data..."});
  DestroyWindow(wait);
  DestroyWindow(owner);
}

class HandedOverPath : public testing::Test {
 protected:
  ~HandedOverPath() override { RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS"); }

  void store(DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"ToOpen", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
};

TEST_F(HandedOverPath, IsReadAndLeftInPlace) {
  const wchar_t path[] = L"C:\\Lessons\\a.gb";
  store(REG_SZ, path, sizeof path);
  EXPECT_EQ(readHandedOverPath(), std::wstring(path));
  EXPECT_EQ(readHandedOverPath(), std::wstring(path));
}

TEST_F(HandedOverPath, MissingEmptyOrNonStringValuesGiveNothing) {
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS");
  EXPECT_EQ(readHandedOverPath(), std::nullopt);
  store(REG_SZ, L"", 0);
  EXPECT_EQ(readHandedOverPath(), std::nullopt);
  const DWORD number = 7;
  store(REG_DWORD, &number, sizeof number);
  EXPECT_EQ(readHandedOverPath(), std::nullopt);
}

TEST_F(HandedOverPath, AValueWithoutItsTerminatingZeroStillEnds) {
  const wchar_t path[] = {L'a', L'.', L'g', L'b'};
  store(REG_SZ, path, sizeof path);
  EXPECT_EQ(readHandedOverPath(), std::wstring(L"a.gb"));
}

}  // namespace
}  // namespace morvane
