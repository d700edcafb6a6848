// The single-file Open dialog.
#include "app/open_file_dialog.h"

#include <commdlg.h>

#include "app/open_filter.h"

namespace morvane {

std::optional<std::wstring> chooseLessonFile(HWND owner, const std::wstring& initialFolder) {
  const std::wstring filter = openFileFilter();
  wchar_t path[MAX_PATH] = {};
  wchar_t title[MAX_PATH] = {};
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 0;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrFileTitle = title;
  dialog.nMaxFileTitle = MAX_PATH;
  dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_CREATEPROMPT | OFN_HIDEREADONLY;
  dialog.lpstrDefExt = L"gb";
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path);
}

}  // namespace morvane
