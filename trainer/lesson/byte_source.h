// Byte-at-a-time reading of a lesson file with a small buffer in front of it,
// so that the token readers need not make one file read per byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/file.h"

namespace morvane {

class ByteSource {
 public:
  // Reads from the file's current position; the file is not owned.
  explicit ByteSource(File& file) : file_(file) {}
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  // The next byte; false at the end of the data or on a read error.
  bool next(uint8_t& byte);

  // Moves back by n bytes so that they are read again; false if the file
  // cannot be positioned there (the position is then unchanged).
  bool stepBack(int32_t n);

  // Bytes consumed since the source was made (after step-backs).
  int64_t offset() const { return bufferStart_ + static_cast<int64_t>(pos_); }

 private:
  File& file_;
  uint8_t buffer_[512];
  size_t length_ = 0;
  size_t pos_ = 0;
  int64_t bufferStart_ = 0;  // offset of buffer_[0]
};

}  // namespace morvane
