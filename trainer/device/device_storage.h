// The device's file system on a desktop. With the environment variable
// MORVANE_DEVICE_ROOT naming a folder (the emulated handheld), device paths
// ("\Windows", "\Program Files\Kelvaro", "\My Documents", "\Storage
// Card\...") live under it. Without it the program runs as installed on a
// desktop: "\My Documents" is the user's documents folder, the data folders
// are the program's own folder, other device paths lie on the program's
// drive. Storage cards are folders directly under the root, named by
// MORVANE_STORAGE_CARDS (separated by ";", default "Storage Card"); only
// those that exist count.
#pragma once

#include <shlobj.h>
#include <windows.h>

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
