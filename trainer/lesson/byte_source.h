// Byte-at-a-time reading of a lesson file from large blocks held in memory,
// so that the token readers make one file read per block, not per byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/file.h"

namespace morvane {

class ByteSource {
 public:
  static constexpr size_t kBlockSize = 64 * 1024;

  // Reads from the file's current position; the file is not owned.
  explicit ByteSource(File& file) : file_(file), buffer_(new uint8_t[kBlockSize]) {}
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  // The next byte; false at the end of the data or on a read error.
  bool next(uint8_t& byte) {
    if (pos_ == length_ && !refill()) return false;
    byte = buffer_[pos_++];
    return true;
  }

  // Moves back by n bytes so that they are read again; false if the file
  // cannot be positioned there (the position is then unchanged).
  bool stepBack(int32_t n);

  // Bytes consumed since the source was made (after step-backs).
  int64_t offset() const { return bufferStart_ + static_cast<int64_t>(pos_); }

 private:
  // Reads the next block; false at the end of the data.
  bool refill();

  File& file_;
  std::unique_ptr<uint8_t[]> buffer_;
  size_t length_ = 0;
  size_t pos_ = 0;
  int64_t bufferStart_ = 0;  // offset of buffer_[0]
};

}  // namespace morvane
