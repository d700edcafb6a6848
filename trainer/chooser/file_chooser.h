// The "Open Multiple Files" dialog: lesson files from the device's documents
// folders and storage cards, one level of subfolders deep, several chosen at once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chooser/chooser_entries.h"
#include "chooser/device_files.h"
#include "chooser/file_types.h"

namespace morvane {

class FileChooser {
 public:
  // Scans at once: startFolder alone (no subfolders) when given, otherwise
  // the default folders of `device` with includeSubfolders. `owner` owns the
  // dialog; `instance` holds dialog template 104.
  FileChooser(std::optional<std::wstring> startFolder, std::wstring pattern,
              std::vector<FileType> fileTypes, HWND owner, HINSTANCE instance,
              bool includeSubfolders, DeviceFiles& device);
  ~FileChooser();
  FileChooser(const FileChooser&) = delete;
  FileChooser& operator=(const FileChooser&) = delete;

  // Runs the modal dialog: TRUE after OK, FALSE after Cancel or when the
  // dialog could not be shown.
  BOOL runChooser();

  // The entries chosen with OK, in list order.
  int32_t selectedCount() const { return static_cast<int32_t>(selection_.size()); }
  const std::wstring& selectedPath(int32_t i) const { return entries_.paths[selection_[i]]; }

  // What the list shows, in order.
  const std::vector<std::wstring>& labels() const { return entries_.labels; }

 private:
  static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void initDialog(HWND dialog);
  // Creates the controls in their tab order and places them.
  void createControls(HWND dialog);
  void fillFolderCombo(HWND combo);
  void fillList(HWND dialog);
  void rescan(HWND dialog);
  void acceptSelection(HWND dialog);

  HWND owner_;
  HINSTANCE instance_;
  std::wstring pattern_;
  std::vector<FileType> fileTypes_;
  DeviceFiles& device_;
  ChooserEntries entries_;
  std::vector<int32_t> selection_;
  // Entry k: the folders of folder combo entry k ("<All Folders>" first).
  std::vector<std::vector<std::wstring>> folderLists_;
  HFONT listFont_ = nullptr;
};

}  // namespace morvane
