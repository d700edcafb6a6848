// Folder searches and storage cards of the emulated device, on the host's files.
#include "chooser/host_device_files.h"

#include <windows.h>

#include "chooser/default_folders.h"

namespace morvane {

namespace {

constexpr size_t kMaxStorageCards = 20;
const wchar_t* const kStorageCardNames[] = {L"Storage Card", L"Storage Card2"};

}  // namespace

std::wstring HostDeviceFiles::personalFolder() { return kMyDocuments; }

std::vector<std::wstring> HostDeviceFiles::storageCards() {
  std::vector<std::wstring> cards;
  for (const wchar_t* name : kStorageCardNames) {
    if (cards.size() < kMaxStorageCards && isDirectory(L"\\" + std::wstring(name))) {
      cards.push_back(name);
    }
  }
  return cards;
}

std::vector<FolderEntry> HostDeviceFiles::find(const std::wstring& search) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  HANDLE handle = FindFirstFileW(hostPath(search).c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    // The handheld's searches never return the folder itself or its parent.
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(handle, &found));
  FindClose(handle);
  return entries;
}

bool HostDeviceFiles::isDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(hostPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring installedDeviceRoot() {
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  return module[0] != 0 && module[1] == L':' ? std::wstring(module, 2) : std::wstring();
}

}  // namespace morvane
