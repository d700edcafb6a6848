// Reading the handed-over path from the registry.
#include "app/handed_over_file.h"

#include <windows.h>

#include <vector>

namespace morvane {

std::optional<std::wstring> readHandedOverPath() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\MorvaneCHS", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = 0;
  DWORD size = 0;
  std::optional<std::wstring> path;
  if (RegQueryValueExW(key, L"ToOpen", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      size > 0 && (type == REG_SZ || type == REG_EXPAND_SZ)) {
    // One more character than stored, zeroed: a value written without its
    // terminating zero still ends.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, L"ToOpen", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) == ERROR_SUCCESS &&
        buffer[0] != L'\0') {
      path = std::wstring(buffer.data());
    }
  }
  RegCloseKey(key);
  return path;
}

}  // namespace morvane
