// The in-memory device of the chooser's tests.
#include "fake_device_files.h"

#include <cwctype>

namespace morvane::fakes {

namespace {

// "*" matches everything, "*.ext" names ending in ".ext" (case-insensitively,
// as the device's file system does), anything else only itself.
bool matches(const std::wstring& pattern, const std::wstring& name) {
  if (pattern == L"*" || pattern == L"*.*") return true;
  auto lower = [](std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
  };
  if (pattern.size() > 1 && pattern[0] == L'*') {
    const std::wstring tail = lower(pattern.substr(1));
    return name.size() >= tail.size() && lower(name.substr(name.size() - tail.size())) == tail;
  }
  return lower(pattern) == lower(name);
}

}  // namespace

void FakeDeviceFiles::addEntry(const std::wstring& path, bool isDirectory, bool isHidden) {
  const size_t slash = path.rfind(L'\\');
  const std::wstring folder = path.substr(0, slash);
  if (!folder.empty() && !this->isDirectory(folder)) addEntry(folder, true);
  folders_[folder].push_back({path.substr(slash + 1), isDirectory, isHidden});
  if (isDirectory) folders_[path];
}

std::vector<FolderEntry> FakeDeviceFiles::find(const std::wstring& search) {
  const size_t slash = search.rfind(L'\\');
  auto folder = folders_.find(search.substr(0, slash));
  std::vector<FolderEntry> found;
  if (folder == folders_.end()) return found;
  for (const FolderEntry& entry : folder->second) {
    if (matches(search.substr(slash + 1), entry.name)) found.push_back(entry);
  }
  return found;
}

bool FakeDeviceFiles::isDirectory(const std::wstring& path) {
  return folders_.count(path) != 0;
}

}  // namespace morvane::fakes
