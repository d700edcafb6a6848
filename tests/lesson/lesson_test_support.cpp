// In-memory files and scratch folders for the lesson tests.
#include "lesson_test_support.h"

#include <cstring>
#include <filesystem>
#include <random>

#include "lesson/random.h"

namespace morvane::testing {

namespace fs = std::filesystem;

size_t MemoryFile::read(void* buffer, size_t n) {
  size_t left = bytes_.size() - pos_;
  if (n > left) n = left;
  std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return n;
}

bool MemoryFile::write(const void* buffer, size_t n) {
  if (pos_ + n > bytes_.size()) bytes_.resize(pos_ + n);
  std::memcpy(&bytes_[pos_], buffer, n);
  pos_ += n;
  return true;
}

bool MemoryFile::seekRelative(int64_t delta) {
  int64_t target = static_cast<int64_t>(pos_) + delta;
  if (target < 0) return false;
  pos_ = static_cast<size_t>(target);
  return true;
}

bool MemoryFile::seekTo(uint64_t offset) {
  pos_ = static_cast<size_t>(offset);
  return true;
}

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
