// Folder searches, the personal folder and storage cards of the device.
#include "chooser/device_layer_files.h"

#include <windows.h>

#include "device/device_storage.h"

namespace morvane {

namespace {

constexpr size_t kMaxStorageCards = 20;

}  // namespace

std::wstring DeviceLayerFiles::personalFolder() {
  wchar_t path[MAX_PATH] = {};
  if (!device::SHGetSpecialFolderPath(nullptr, path, CSIDL_PERSONAL, FALSE)) return L"";
  return path;
}

std::vector<std::wstring> DeviceLayerFiles::storageCards() {
  std::vector<std::wstring> cards;
  WIN32_FIND_DATAW found;
  HANDLE search = device::FindFirstFlashCard(&found);
  if (search == INVALID_HANDLE_VALUE) return cards;
  do {
    cards.push_back(found.cFileName);
  } while (cards.size() < kMaxStorageCards && device::FindNextFlashCard(search, &found));
  FindClose(search);
  return cards;
}

std::vector<FolderEntry> DeviceLayerFiles::find(const std::wstring& search) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  HANDLE handle = FindFirstFileW(device::hostPath(search).c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    // The handheld's searches never return the folder itself or its parent.
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0});
  } while (FindNextFileW(handle, &found));
  FindClose(handle);
  return entries;
}

bool DeviceLayerFiles::isDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(device::hostPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace morvane
