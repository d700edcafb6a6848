// Blocks of item storage, handed out by bumping a pointer.
#include "lesson/item_storage.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace morvane {

namespace {

const size_t kLargestBlockBytes = 256 * 1024;

}  // namespace

void* ItemStorage::allocate(size_t bytes, size_t align) {
  size_t pad = (align - reinterpret_cast<uintptr_t>(next_) % align) % align;
  if (!next_ || pad + bytes > left_) {
    // A request of more than a quarter of the largest block gets a block of
    // its own, so the rest of the current one is not wasted.
    const bool ownBlock = bytes + align > kLargestBlockBytes / 4;
    size_t size = ownBlock ? bytes + align : std::max(nextBlockBytes_, bytes + align);
    std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[size]);
    if (!block) return nullptr;
    unsigned char* start = block.get();
    blocks_.push_back(std::move(block));
    pad = (align - reinterpret_cast<uintptr_t>(start) % align) % align;
    if (ownBlock) return start + pad;
    nextBlockBytes_ = std::min(2 * nextBlockBytes_, kLargestBlockBytes);
    next_ = start;
    left_ = size;
  }
  void* piece = next_ + pad;
  next_ += pad + bytes;
  left_ -= pad + bytes;
  return piece;
}

}  // namespace morvane
