// Temporary device roots, removed with everything in them.
#include "temp_device_root.h"

#include <windows.h>

namespace morvane::fakes {

namespace {

void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempDeviceRoot::TempDeviceRoot() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  root_ = std::wstring(base) + L"morvane-device-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount());
  CreateDirectoryW(root_.c_str(), nullptr);
}

TempDeviceRoot::~TempDeviceRoot() { removeTree(root_); }

void TempDeviceRoot::addFile(const std::wstring& devicePath, const std::string& bytes) {
  const std::wstring path = root_ + devicePath;
  for (size_t slash = path.find(L'\\', root_.size() + 1); slash != std::wstring::npos;
       slash = path.find(L'\\', slash + 1)) {
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  }
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace morvane::fakes
