// Helpers for the lesson tests: a scratch folder for lesson and progress
// files written from test bytes, and generated lessons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/lesson_item.h"
#include "memory_file_system.h"
#include "platform/file.h"

namespace morvane::testing {

// A fresh folder under the system's temporary folder, removed with its files
// when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The full path of name inside the folder.
  std::wstring path(const std::wstring& name) const;
  // Writes bytes to name and returns its full path.
  std::wstring write(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring root_;
};

// The whole contents of a file, or "" if it cannot be read.
std::string readBytes(const std::wstring& path);

// Hanzi or reading cells as text: single-byte cells as their character,
// double-byte ones as their four-digit key in angle brackets ("<c4e3>").
std::string cells(CellList list);

// A seed after which the generator's first number is r (0..32767), for
// worked examples of the draws.
uint32_t seedGivingFirst(int32_t r);

// `count` GB lesson lines, each a distinct two-Hanzi item with a reading
// and a meaning naming its number ("item 0", "item 1", ...).
std::string gbItems(int count);

}  // namespace morvane::testing
