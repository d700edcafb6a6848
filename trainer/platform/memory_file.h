// A File over a block of bytes in memory: records are written into it before
// a whole database file is stored, and tests read hand-made bytes through it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/file.h"

namespace morvane {

class MemoryFile : public File {
 public:
  MemoryFile() = default;
  explicit MemoryFile(std::vector<uint8_t> contents) : bytes(std::move(contents)) {}

  size_t read(void* buffer, size_t n) override;
  // Writes at the position, overwriting and extending as needed.
  bool write(const void* buffer, size_t n) override;
  bool seekRelative(int64_t delta) override;
  // A position past the end is allowed; reading there gives nothing.
  bool seekTo(uint64_t offset) override;
  int64_t size() override { return static_cast<int64_t>(bytes.size()); }

  std::vector<uint8_t> bytes;

 private:
  uint64_t position_ = 0;
};

}  // namespace morvane
