// Open and Save As through the common file dialogs.
#include "common_file_chooser.h"

#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shlobj.h>

#include "popup_owner.h"

namespace quillmark {

namespace {

const wchar_t kFilter[] = L"GB Files (*.GB)\0*.gb\0All Files (*.*)\0*.*\0";

}  // namespace

bool CommonFileChooser::chooseFileToOpen(std::wstring& path) { return choose(false, path); }

bool CommonFileChooser::chooseFileToSave(std::wstring& path) { return choose(true, path); }

bool CommonFileChooser::choose(bool forSaving, std::wstring& path) {
  wchar_t file[MAX_PATH] = {};
  wchar_t title[MAX_PATH] = {};
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = popupOwner();
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrFileTitle = title;
  dialog.nMaxFileTitle = MAX_PATH;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  // The first dialog starts where a desktop user keeps files; later ones
  // where the last one ended.
  wchar_t documents[MAX_PATH] = L"";
  if (!used_ && SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT,
                                           documents))) {
    dialog.lpstrInitialDir = documents;
  }
  used_ = true;
  BOOL chosen;
  if (forSaving) {
    // Replacing an existing file is not asked about.
    dialog.lpstrDefExt = L"gb";
    chosen = GetSaveFileNameW(&dialog);
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    chosen = GetOpenFileNameW(&dialog);
  }
  if (!chosen) return false;
  path = file;
  return true;
}

}  // namespace quillmark
