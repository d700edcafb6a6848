// A growable array of values stored inline: count, capacity, growth step and
// the block. Growing moves every entry into the new block, so entries beyond
// `count` keep whatever they own (the stroke array reuses them).
#pragma once

#include <cstdint>
#include <utility>

namespace morvane {

template <typename T>
class GrowableList {
 public:
  // An empty list with `initialCapacity` entries that grows by the same number.
  explicit GrowableList(int32_t initialCapacity = 64)
      : capacity(initialCapacity > 0 ? initialCapacity : 0),
        growBy(initialCapacity > 0 ? initialCapacity : 1),
        items(new T[capacity > 0 ? capacity : 1]) {}
  ~GrowableList() { delete[] items; }
  GrowableList(const GrowableList&) = delete;
  GrowableList& operator=(const GrowableList&) = delete;
  // Swaps contents, so a moved-from list still owns a valid block.
  GrowableList(GrowableList&& other) noexcept : GrowableList(1) { Swap(other); }
  GrowableList& operator=(GrowableList&& other) noexcept {
    Swap(other);
    return *this;
  }

  // Adds value after the last entry, growing by `growBy` when full.
  void Append(const T& value) { NextSlot() = value; }

  // Takes the entry after the last one into use (growing when full) and
  // returns it as it was left: a reused entry keeps its old contents.
  T& NextSlot() {
    if (count == capacity) Grow(growBy);
    return items[count++];
  }

  // Adds n entries (nothing if n < 1), keeping every existing one.
  void Grow(int32_t n) {
    if (n < 1) return;
    T* block = new T[capacity + n];
    for (int32_t i = 0; i < capacity; ++i) block[i] = std::move(items[i]);
    delete[] items;
    items = block;
    capacity += n;
  }

  // Drops the last entry, if any; its storage stays for reuse.
  void RemoveLast() {
    if (count > 0) --count;
  }
  // Drops every entry; the storage stays for reuse.
  void Clear() { count = 0; }

  int32_t Count() const { return count; }
  T& operator[](int32_t index) { return items[index]; }
  const T& operator[](int32_t index) const { return items[index]; }

  int32_t count = 0;
  int32_t capacity = 0;
  int32_t growBy = 0;
  T* items = nullptr;

 private:
  void Swap(GrowableList& other) noexcept {
    std::swap(count, other.count);
    std::swap(capacity, other.capacity);
    std::swap(growBy, other.growBy);
    std::swap(items, other.items);
  }
};

}  // namespace morvane
