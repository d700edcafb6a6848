// The help page's path.
#include "device/help_page.h"

namespace morvane::device {

std::wstring helpPagePath(const std::wstring& modulePath, const std::wstring& helpFile) {
  const size_t slash = modulePath.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"" : modulePath.substr(0, slash + 1);
  const size_t dot = helpFile.rfind(L'.');
  return folder + helpFile.substr(0, dot) + L".html";
}

}  // namespace morvane::device
