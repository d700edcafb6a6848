// Device paths resolved against the emulated device's root.
#include "device/device_paths.h"

#include <cwctype>

namespace morvane::device {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool hasDrive(const std::wstring& path) {
  return path.size() >= 2 && path[1] == L':' &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

bool isUnc(const std::wstring& path) {
  return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

// Index just past the next separator-delimited piece starting at from.
size_t endOfPiece(const std::wstring& path, size_t from) {
  while (from < path.size() && !isSeparator(path[from])) ++from;
  return from;
}

}  // namespace

bool isDevicePath(const std::wstring& path) {
  return !path.empty() && path[0] == L'\\' && !isUnc(path);
}

std::wstring driveRootOf(const std::wstring& modulePath) {
  if (hasDrive(modulePath)) return modulePath.substr(0, 2);
  if (!isUnc(modulePath)) return L"";
  size_t server = endOfPiece(modulePath, 2);
  if (server >= modulePath.size()) return L"";
  return modulePath.substr(0, endOfPiece(modulePath, server + 1));
}

std::wstring hostPathFor(const std::wstring& root, const std::wstring& path) {
  if (!isDevicePath(path)) return path;
  if (!root.empty() && isSeparator(root.back())) return root + path.substr(1);
  return root + path;
}

namespace {

// The rest of path after the device folder prefix (empty or starting with a
// separator), or none when path does not lie in that folder.
bool restAfter(const std::wstring& path, const std::wstring& prefix, std::wstring& rest) {
  if (path.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(path[i]) != std::towlower(prefix[i])) return false;
  }
  rest = path.substr(prefix.size());
  return rest.empty() || isSeparator(rest.front());
}

std::wstring joined(const std::wstring& folder, const std::wstring& rest) {
  if (!folder.empty() && isSeparator(folder.back()) && !rest.empty()) {
    return folder + rest.substr(1);
  }
  return folder + rest;
}

}  // namespace

std::wstring desktopHostPath(const DesktopFolders& folders, const std::wstring& path) {
  if (!isDevicePath(path)) return path;
  std::wstring rest;
  if (restAfter(path, L"\\My Documents", rest)) return joined(folders.documents, rest);
  for (const wchar_t* data : {L"\\Windows", L"\\Program Files\\Kelvaro", L"\\Kelvaro"}) {
    if (restAfter(path, data, rest)) return joined(folders.program, rest);
  }
  return hostPathFor(folders.drive, path);
}

std::vector<std::wstring> storageCardNames(const std::wstring& setting) {
  std::vector<std::wstring> names;
  size_t start = 0;
  while (start <= setting.size()) {
    size_t end = setting.find(L';', start);
    if (end == std::wstring::npos) end = setting.size();
    if (end > start) names.push_back(setting.substr(start, end - start));
    start = end + 1;
  }
  if (names.empty()) names.push_back(L"Storage Card");
  return names;
}

}  // namespace morvane::device
