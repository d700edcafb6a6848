// The file chooser's list: what it shows (labels) and the file each label
// stands for (paths), found in a list of folders and sorted.
#pragma once

#include <string>
#include <vector>

#include "chooser/device_files.h"

namespace morvane {

// Width a name and a subfolder are padded to in a subfolder file's label.
constexpr size_t kLabelColumnWidth = 15;

// The label of file `name` found in `subfolder`: both left-aligned and padded
// with blanks to 15 characters, separated by one blank ("%-15s %-15s");
// longer names are kept whole.
std::wstring subfolderLabel(const std::wstring& name, const std::wstring& subfolder);

struct ChooserEntries {
  std::vector<std::wstring> labels;
  std::vector<std::wstring> paths;  // parallel to labels

  // Empties both lists and fills them from `folders`: each folder's files
  // matching `pattern` under their bare names, and with includeSubfolders the
  // matches in each of its direct subfolders under subfolderLabel; then sorts.
  void scanFolders(DeviceFiles& files, const std::vector<std::wstring>& folders,
                   const std::wstring& pattern, bool includeSubfolders);

  // Sorts the labels in ascending character-code order as a selection sort
  // does, moving each path with its label.
  void sortEntries();
};

}  // namespace morvane
