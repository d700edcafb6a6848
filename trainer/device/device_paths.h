// Device paths and the emulated device's file system, platform-neutral:
// which paths are device paths, where the device root of an installation is,
// and the storage card setting.
#pragma once

#include <string>
#include <vector>

namespace morvane::device {

// True for a path rooted with a backslash but without a drive ("\Windows"):
// the handheld's form of an absolute path. Drive paths ("C:\x"), UNC paths
// ("\\server\share"), relative paths and paths rooted with "/" (the host's
// own form under Wine) are host paths.
bool isDevicePath(const std::wstring& path);

// The device root of a program installed at modulePath: its drive ("C:") or
// its UNC share ("\\server\share"); empty when the path has neither.
std::wstring driveRootOf(const std::wstring& modulePath);

// A device path placed under root (root + path, separators as given); any
// other path unchanged.
std::wstring hostPathFor(const std::wstring& root, const std::wstring& path);

// Where a program installed on a desktop keeps what the handheld keeps
// under its device paths: its own folder, the user's documents folder, and
// the drive that holds the program.
struct DesktopFolders {
  std::wstring program;    // the folder of the installed program
  std::wstring documents;  // the personal folder the platform reports
  std::wstring drive;      // as driveRootOf the program
};

// A device path as a desktop installation resolves it: "\My Documents" and
// below in the documents folder; "\Windows", "\Program Files\Kelvaro" and
// "\Kelvaro" (where fonts and data are looked for) and below in the
// program's folder; any other device path under the drive. Any other path
// unchanged.
std::wstring desktopHostPath(const DesktopFolders& folders, const std::wstring& path);

// Card folder names from a setting of names separated by ";" (empty names
// dropped); the default card "Storage Card" when the setting is empty.
std::vector<std::wstring> storageCardNames(const std::wstring& setting);

}  // namespace morvane::device
