// Where the desktop looks for the help page.
#include "device/help_page.h"

#include <gtest/gtest.h>

namespace morvane::device {
namespace {

TEST(HelpPagePath, IsTheHelpFileWithHtmlBesideTheProgram) {
  EXPECT_EQ(helpPagePath(L"C:\\Program Files\\Kelvaro\\MorvaneCHS.exe", L"morvanechs.htc"),
            L"C:\\Program Files\\Kelvaro\\morvanechs.html");
  EXPECT_EQ(helpPagePath(L"/opt/kelvaro/MorvaneCHS.exe", L"morvanechs.htc"),
            L"/opt/kelvaro/morvanechs.html");
}

TEST(HelpPagePath, ANameWithoutFolderOrExtensionStillGivesAPage) {
  EXPECT_EQ(helpPagePath(L"MorvaneCHS.exe", L"morvanechs.htc"), L"morvanechs.html");
  EXPECT_EQ(helpPagePath(L"C:\\a.b\\x.exe", L"help"), L"C:\\a.b\\help.html");
}

}  // namespace
}  // namespace morvane::device
