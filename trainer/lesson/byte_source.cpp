// Block reading with step-back.
#include "lesson/byte_source.h"

namespace morvane {

bool ByteSource::refill() {
  bufferStart_ += static_cast<int64_t>(length_);
  pos_ = 0;
  length_ = file_.read(buffer_.get(), kBlockSize);
  return length_ > 0;
}

bool ByteSource::stepBack(int32_t n) {
  if (n < 0) return false;
  if (static_cast<size_t>(n) <= pos_) {
    pos_ -= static_cast<size_t>(n);
    return true;
  }
  int64_t target = offset() - n;
  if (target < 0) return false;
  // The file stands at the end of the buffered bytes.
  int64_t fileOffset = bufferStart_ + static_cast<int64_t>(length_);
  if (!file_.seekRelative(target - fileOffset)) return false;
  bufferStart_ = target;
  length_ = pos_ = 0;
  return true;
}

}  // namespace morvane
