// Device paths, the device root of an installation and the card setting.
#include "device/device_paths.h"

#include <gtest/gtest.h>

namespace morvane::device {
namespace {

TEST(DevicePaths, RootedPathsWithoutDriveAreDevicePaths) {
  EXPECT_TRUE(isDevicePath(L"\\Windows"));
  EXPECT_TRUE(isDevicePath(L"\\My Documents\\a.gb"));
  EXPECT_FALSE(isDevicePath(L"/tmp/lessons/a.gb"));
  EXPECT_FALSE(isDevicePath(L"C:\\Windows"));
  EXPECT_FALSE(isDevicePath(L"\\\\server\\share\\a.gb"));
  EXPECT_FALSE(isDevicePath(L"lessons\\a.gb"));
  EXPECT_FALSE(isDevicePath(L""));
}

TEST(DevicePaths, RootIsTheDriveOrShareOfTheProgram) {
  EXPECT_EQ(driveRootOf(L"C:\\Program Files\\Kelvaro\\MorvaneCHS.exe"), L"C:");
  EXPECT_EQ(driveRootOf(L"d:MorvaneCHS.exe"), L"d:");
  EXPECT_EQ(driveRootOf(L"\\\\pc\\apps\\Kelvaro\\MorvaneCHS.exe"), L"\\\\pc\\apps");
  EXPECT_EQ(driveRootOf(L"\\\\pc"), L"");
  EXPECT_EQ(driveRootOf(L"MorvaneCHS.exe"), L"");
}

TEST(DevicePaths, DevicePathsGoUnderTheRootOthersStay) {
  EXPECT_EQ(hostPathFor(L"C:", L"\\Windows\\dxi24.hbf"), L"C:\\Windows\\dxi24.hbf");
  EXPECT_EQ(hostPathFor(L"Z:\\tmp\\device\\", L"\\Kelvaro"), L"Z:\\tmp\\device\\Kelvaro");
  EXPECT_EQ(hostPathFor(L"C:", L"D:\\lessons\\a.gb"), L"D:\\lessons\\a.gb");
  EXPECT_EQ(hostPathFor(L"C:", L"a.gb"), L"a.gb");
}

// Installed on a desktop: documents in the user's folder, fonts and data in
// the program's, the rest on its drive; folder names only as whole pieces.
TEST(DevicePaths, ADesktopInstallationHasItsOwnFolders) {
  const DesktopFolders folders = {L"C:\\Program Files\\Kelvaro", L"C:\\Users\\me\\Documents\\",
                                  L"C:"};
  EXPECT_EQ(desktopHostPath(folders, L"\\My Documents"), L"C:\\Users\\me\\Documents\\");
  EXPECT_EQ(desktopHostPath(folders, L"\\my documents\\Year 1\\a.gb"),
            L"C:\\Users\\me\\Documents\\Year 1\\a.gb");
  EXPECT_EQ(desktopHostPath(folders, L"\\Windows\\dxi24.hbf"),
            L"C:\\Program Files\\Kelvaro\\dxi24.hbf");
  EXPECT_EQ(desktopHostPath(folders, L"\\Program Files\\Kelvaro\\feedbkchs.ind"),
            L"C:\\Program Files\\Kelvaro\\feedbkchs.ind");
  EXPECT_EQ(desktopHostPath(folders, L"\\Kelvaro"), L"C:\\Program Files\\Kelvaro");
  EXPECT_EQ(desktopHostPath(folders, L"\\Windowsill\\x"), L"C:\\Windowsill\\x");
  EXPECT_EQ(desktopHostPath(folders, L"\\My Documents2"), L"C:\\My Documents2");
  EXPECT_EQ(desktopHostPath(folders, L"\\Storage Card\\My Documents"),
            L"C:\\Storage Card\\My Documents");
  EXPECT_EQ(desktopHostPath(folders, L"D:\\lessons\\a.gb"), L"D:\\lessons\\a.gb");
}

TEST(DevicePaths, CardNamesAreSplitAtSemicolons) {
  EXPECT_EQ(storageCardNames(L""), std::vector<std::wstring>{L"Storage Card"});
  EXPECT_EQ(storageCardNames(L";;"), std::vector<std::wstring>{L"Storage Card"});
  std::vector<std::wstring> two = {L"SD Card", L"CF Card"};
  EXPECT_EQ(storageCardNames(L"SD Card;;CF Card;"), two);
}

}  // namespace
}  // namespace morvane::device
