// Files held in memory: a File over a byte string, and a whole file system of
// them, so that the core's readers and savers run without touching the disk.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace morvane::testing {

// A File over bytes held in memory; reads, writes and seeks as a disk file
// would. Files of a MemoryFileSystem share their bytes with it.
class MemoryFile : public File {
 public:
  explicit MemoryFile(std::string bytes)
      : bytes_(std::make_shared<std::string>(std::move(bytes))) {}
  explicit MemoryFile(std::shared_ptr<std::string> bytes) : bytes_(std::move(bytes)) {}

  size_t read(void* buffer, size_t n) override;
  bool write(const void* buffer, size_t n) override;
  bool seekRelative(int64_t delta) override;
  bool seekTo(uint64_t offset) override;
  int64_t size() override { return static_cast<int64_t>(bytes_->size()); }

 private:
  std::shared_ptr<std::string> bytes_;
  size_t pos_ = 0;
};

// Files by path, all in memory.
class MemoryFileSystem : public FileSystem {
 public:
  std::unique_ptr<File> openForRead(const std::wstring& path) override;
  std::unique_ptr<File> createForWrite(const std::wstring& path, bool hidden) override;
  bool moveReplacing(const std::wstring& from, const std::wstring& to, bool hidden) override;
  bool remove(const std::wstring& path) override;
  bool exists(const std::wstring& path) override;

  // Puts a file in place.
  void put(const std::wstring& path, std::string bytes, bool hidden = false);
  // The bytes of a file, or none.
  const std::string* bytes(const std::wstring& path) const;
  bool isHidden(const std::wstring& path) const;
  size_t fileCount() const { return files_.size(); }

 private:
  struct Entry {
    std::shared_ptr<std::string> bytes;
    bool hidden = false;
  };
  std::map<std::wstring, Entry> files_;
};

}  // namespace morvane::testing
