// The About box and the "Wait" box, as a user meets them.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/about_box.h"
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

}  // namespace
}  // namespace morvane
