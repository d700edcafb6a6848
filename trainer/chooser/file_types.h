// The file types a chooser offers: a label for the type combo and the
// search pattern it stands for.
#pragma once

#include <string>
#include <vector>

namespace morvane {

struct FileType {
  std::wstring label;
  std::wstring pattern;
};

// Multi-Open's types, in combo order; the first is the initial one.
const std::vector<FileType>& multiOpenFileTypes();

}  // namespace morvane
