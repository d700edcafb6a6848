// Running morvane-convert's commands on test files and reading lessons back.
#pragma once

#include <string>
#include <vector>

#include "lesson/lesson.h"
#include "lesson_test_support.h"

namespace morvane::testing {

struct ConvertRun {
  int status;
  std::string err;
};

// morvane-convert with args; "{name}" in an argument becomes that file's
// path in folder.
ConvertRun runConvertIn(const ScratchFolder& folder, const std::vector<std::string>& args);

// One item of a lesson as text: double-byte cells as their four-digit key
// in angle brackets ("<c4e3><bac3>"), single-byte cells as their character.
struct ItemText {
  std::string hanzi;
  std::string reading;
  std::string meaning;
};
std::vector<ItemText> lessonItems(const std::wstring& path);

}  // namespace morvane::testing
