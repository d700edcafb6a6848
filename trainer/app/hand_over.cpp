// The single-instance hand-over.
#include "app/hand_over.h"

#include <vector>

#include "resources/resource.h"

namespace morvane {

namespace {

const wchar_t kSettingsKey[] = L"Software\\MorvaneCHS";

}  // namespace

std::wstring lessonPathFromCommandLine(const wchar_t* commandLine) {
  if (commandLine == nullptr) return L"";
  std::wstring path = commandLine;
  const size_t first = path.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return L"";
  path = path.substr(first, path.find_last_not_of(L" \t") - first + 1);
  if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') {
    path = path.substr(1, path.size() - 2);
  }
  return path;
}

bool handOverToRunningCopy(const std::wstring& path) {
  HWND found = FindWindowW(L"Kelvaro", L"MorvaneCHS");
  if (found == nullptr) return false;
  SetWindowPos(found, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  HKEY key = nullptr;
  if (!path.empty() &&
      RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    RegSetValueExW(key, L"ToOpen", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    SendMessageW(found, WM_COMMAND, IDM_TO_OPEN, 0);
  }
  SetForegroundWindow(found);
  SetFocus(found);
  return true;
}

std::wstring readToOpenValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return L"";
  }
  DWORD size = 0;
  std::wstring path;
  if (RegQueryValueExW(key, L"ToOpen", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS &&
      size > 0) {
    // One zero character more than the value, so that it always ends.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    DWORD got = size;
    if (RegQueryValueExW(key, L"ToOpen", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &got) == ERROR_SUCCESS) {
      path = buffer.data();
    }
  }
  RegCloseKey(key);
  return path;
}

}  // namespace morvane
