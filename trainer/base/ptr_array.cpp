#include "ptr_array.h"

#include <cstring>

namespace morvane {

PtrArray::PtrArray(int32_t initialCapacity)
    : capacity(initialCapacity > 0 ? initialCapacity : 0),
      growBy(initialCapacity),
      items(new void*[capacity > 0 ? capacity : 1]) {}

PtrArray::PtrArray(void** block, int32_t capacity)
    : capacity(capacity), growBy(64), items(block), ownsBlock(false) {}

PtrArray::~PtrArray() {
  if (ownsBlock) delete[] items;
}

void PtrArray::Append(void* p) {
  if (count == capacity) Grow(growBy > 0 ? growBy : 1);
  items[count++] = p;
}

void PtrArray::Grow(int32_t n) {
  if (n < 1) return;
  void** block = new void*[capacity + n];
  if (count > 0) std::memcpy(block, items, sizeof(void*) * count);
  if (ownsBlock) delete[] items;
  items = block;
  ownsBlock = true;
  capacity += n;
}

void PtrArray::AssignRange(void* const* first, void* const* last) {
  int32_t n = static_cast<int32_t>(last - first);
  if (n < 0) n = 0;
  if (n > capacity) {
    // Only the slots in use survive a grow, so copy through a fresh block
    // when the range may live in our own storage.
    void** block = new void*[n];
    if (n > 0) std::memcpy(block, first, sizeof(void*) * n);
    count = 0;
    Grow(n - capacity);
    std::memcpy(items, block, sizeof(void*) * n);
    delete[] block;
  } else if (n > 0) {
    std::memmove(items, first, sizeof(void*) * n);
  }
  count = n;
}

void PtrArray::RemoveAt(int32_t index) {
  if (index < 0 || index >= count) return;
  std::memmove(items + index, items + index + 1, sizeof(void*) * (count - index - 1));
  --count;
}

void* CursorPtrArray::Next() {
  if (cursor >= count) return nullptr;
  return items[cursor++];
}

}  // namespace morvane
