// Files and a file system held in memory.
#include "memory_file_system.h"

#include <cstring>

namespace morvane::testing {

size_t MemoryFile::read(void* buffer, size_t n) {
  size_t left = pos_ < bytes_->size() ? bytes_->size() - pos_ : 0;
  if (n > left) n = left;
  if (n > 0) std::memcpy(buffer, bytes_->data() + pos_, n);
  pos_ += n;
  return n;
}

bool MemoryFile::write(const void* buffer, size_t n) {
  if (pos_ + n > bytes_->size()) bytes_->resize(pos_ + n);
  if (n > 0) std::memcpy(&(*bytes_)[pos_], buffer, n);
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

std::unique_ptr<File> MemoryFileSystem::openForRead(const std::wstring& path) {
  auto found = files_.find(path);
  if (found == files_.end()) return nullptr;
  return std::make_unique<MemoryFile>(found->second.bytes);
}

std::unique_ptr<File> MemoryFileSystem::createForWrite(const std::wstring& path, bool hidden) {
  Entry& entry = files_[path];
  entry.bytes = std::make_shared<std::string>();
  entry.hidden = hidden;
  return std::make_unique<MemoryFile>(entry.bytes);
}

bool MemoryFileSystem::moveReplacing(const std::wstring& from, const std::wstring& to,
                                     bool hidden) {
  auto found = files_.find(from);
  if (found == files_.end()) return false;
  Entry moved = found->second;
  files_.erase(found);
  moved.hidden = moved.hidden || hidden;
  files_[to] = moved;
  return true;
}

bool MemoryFileSystem::remove(const std::wstring& path) { return files_.erase(path) > 0; }

bool MemoryFileSystem::exists(const std::wstring& path) { return files_.count(path) > 0; }

void MemoryFileSystem::put(const std::wstring& path, std::string bytes, bool hidden) {
  files_[path] = Entry{std::make_shared<std::string>(std::move(bytes)), hidden};
}

const std::string* MemoryFileSystem::bytes(const std::wstring& path) const {
  auto found = files_.find(path);
  return found == files_.end() ? nullptr : found->second.bytes.get();
}

bool MemoryFileSystem::isHidden(const std::wstring& path) const {
  auto found = files_.find(path);
  return found != files_.end() && found->second.hidden;
}

}  // namespace morvane::testing
