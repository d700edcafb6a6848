// The growable array of pointers used for most of the trainer's lists. It owns
// its block of slots (unless it was given one that belongs to someone else),
// never what the slots point to; items keep insertion order.
#pragma once

#include <cstdint>

namespace morvane {

class PtrArray {
 public:
  // An empty array with `initialCapacity` slots that grows by the same number.
  explicit PtrArray(int32_t initialCapacity = 64);
  // An empty array over the `capacity` slots at `block`, which belongs to
  // someone else (a lesson's storage): it is never freed here, and the array
  // moves to a block of its own only if it has to grow (by 64 slots).
  PtrArray(void** block, int32_t capacity);
  ~PtrArray();
  PtrArray(const PtrArray&) = delete;
  PtrArray& operator=(const PtrArray&) = delete;

  // Adds p after the last item, growing by `growBy` slots when full.
  void Append(void* p);
  // Adds n slots (nothing if n < 1), keeping the items in use.
  void Grow(int32_t n);
  // Makes the array hold exactly the pointers of [first, last); grows by just
  // the missing number of slots when it lacks room.
  void AssignRange(void* const* first, void* const* last);
  // Removes the item at index, moving later items down; ignores a bad index.
  void RemoveAt(int32_t index);
  // Forgets every item (the slots stay allocated).
  void Clear() { count = 0; }

  void* At(int32_t index) const { return items[index]; }
  int32_t Count() const { return count; }

  int32_t count = 0;
  int32_t capacity = 0;
  int32_t growBy = 0;
  void** items = nullptr;
  bool ownsBlock = true;
};

// An array read item by item through a cursor (the stroke lists).
class CursorPtrArray : public PtrArray {
 public:
  explicit CursorPtrArray(int32_t initialCapacity = 64) : PtrArray(initialCapacity) {}

  // The item at the cursor, advancing it; none past the last item.
  void* Next();
  // Puts the cursor back on the first item.
  void Rewind() { cursor = 0; }

  int32_t cursor = 0;
};

}  // namespace morvane
