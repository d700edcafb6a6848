// In-memory files.
#include "platform/memory_file.h"

#include <cstring>

namespace morvane {

size_t MemoryFile::read(void* buffer, size_t n) {
  if (position_ >= bytes.size()) return 0;
  const size_t available = static_cast<size_t>(bytes.size() - position_);
  const size_t got = n < available ? n : available;
  if (got > 0) std::memcpy(buffer, bytes.data() + position_, got);
  position_ += got;
  return got;
}

bool MemoryFile::write(const void* buffer, size_t n) {
  if (n == 0) return true;
  if (position_ > bytes.size()) bytes.resize(static_cast<size_t>(position_));
  const size_t end = static_cast<size_t>(position_) + n;
  if (end > bytes.size()) bytes.resize(end);
  std::memcpy(bytes.data() + position_, buffer, n);
  position_ = end;
  return true;
}

bool MemoryFile::seekRelative(int64_t delta) {
  if (delta < 0 && static_cast<uint64_t>(-delta) > position_) return false;
  position_ += static_cast<uint64_t>(delta);
  return true;
}

bool MemoryFile::seekTo(uint64_t offset) {
  position_ = offset;
  return true;
}

}  // namespace morvane
