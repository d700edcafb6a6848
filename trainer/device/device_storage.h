// The device's file system on a desktop: device paths ("\Windows",
// "\Program Files\Kelvaro", "\My Documents", "\Storage Card\...") live under
// the device root, which is the drive holding the trainer's program (so a
// start from another current drive still finds fonts and data), or the
// folder named by the environment variable MORVANE_DEVICE_ROOT. Storage cards
// are folders directly under the root, named by MORVANE_STORAGE_CARDS
// (separated by ";", default "Storage Card"); only those that exist count.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace morvane::device {

std::wstring deviceRoot();
// Replaces the device root (a drive such as "C:" or a folder).
void setDeviceRoot(const std::wstring& root);
// Replaces the storage card names, in the setting's form.
void setStorageCards(const std::wstring& setting);

// The host path of a device path; other paths unchanged.
std::wstring hostPath(const std::wstring& path);

// Storage card enumeration: the card's folder name is the record's
// cFileName. Close the search with FindClose.
HANDLE FindFirstFlashCard(WIN32_FIND_DATAW* found);
BOOL FindNextFlashCard(HANDLE search, WIN32_FIND_DATAW* found);

// CSIDL_PERSONAL gives "\My Documents" (created when create is true); other
// folders are unknown on the device and give FALSE.
BOOL SHGetSpecialFolderPath(HWND owner, wchar_t* path, int folder, BOOL create);

}  // namespace morvane::device
