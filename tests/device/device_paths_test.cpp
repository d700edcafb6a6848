// Device paths, the device root of an installation and the card setting.
#include <gtest/gtest.h>

#include "device/device_paths.h"

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

TEST(DevicePaths, CardNamesAreSplitAtSemicolons) {
  EXPECT_EQ(storageCardNames(L""), std::vector<std::wstring>{L"Storage Card"});
  EXPECT_EQ(storageCardNames(L";;"), std::vector<std::wstring>{L"Storage Card"});
  std::vector<std::wstring> two = {L"SD Card", L"CF Card"};
  EXPECT_EQ(storageCardNames(L"SD Card;;CF Card;"), two);
}

}  // namespace
}  // namespace morvane::device
