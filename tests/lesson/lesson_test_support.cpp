// Scratch folders and generated lessons for the lesson tests.
#include "lesson_test_support.h"

#include <filesystem>
#include <random>

#include "lesson/encoding.h"
#include "lesson/lesson_item.h"
#include "lesson/random.h"

namespace morvane::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::random_device seed;
  fs::path dir = fs::temp_directory_path() / ("morvane-lesson-" + std::to_string(seed()));
  fs::create_directories(dir);
  root_ = dir.wstring();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(fs::path(root_), ignored);
}

std::wstring ScratchFolder::path(const std::wstring& name) const {
  return (fs::path(root_) / name).wstring();
}

std::wstring ScratchFolder::write(const std::wstring& name, const std::string& bytes) const {
  std::wstring full = path(name);
  auto file = createFileForWrite(full, false);
  if (file) file->write(bytes.data(), bytes.size());
  return full;
}

std::string readBytes(const std::wstring& path) {
  auto file = openFileForRead(path);
  if (!file) return "";
  std::string bytes;
  char buffer[4096];
  while (size_t got = file->read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

std::string cells(CellList list) {
  std::string out;
  for (const CharToken& cell : list) {
    if (cell.first == 0) {
      out += static_cast<char>(cell.second);
    } else {
      out += "<" + hexKey(cell.code()) + ">";
    }
  }
  return out;
}

uint32_t seedGivingFirst(int32_t r) {
  for (uint32_t seed = 0; seed < 0xFFFFFFFFu; ++seed) {
    seedRandom(seed);
    if (nextRandom() == r) return seed;
  }
  return 0;  // r out of range
}

std::string gbItems(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += static_cast<char>(0xB0 + i / 94);
    text += static_cast<char>(0xA1 + i % 94);
    text += "\xD7\xD6 [zi4] /item " + std::to_string(i) + "/\r\n";
  }
  return text;
}

}  // namespace morvane::testing
