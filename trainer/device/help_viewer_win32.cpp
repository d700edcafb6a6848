// Opening the help page with the desktop's handler for web pages.
#include <windows.h>
#include <shellapi.h>

#include "device/help_page.h"
#include "device/help_viewer.h"

namespace morvane::device {

bool startHelpViewer(const wchar_t* helpFile) {
  wchar_t module[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::wstring page = helpPagePath(module, helpFile);
  const DWORD attributes = GetFileAttributesW(page.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  HINSTANCE result = ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace morvane::device
