// Storage a lesson owns for its items' cells and cell lists: large blocks
// handed out in pieces and freed all at once with the lesson, so that a
// dictionary-sized lesson is not hundreds of thousands of small heap objects.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace morvane {

class ItemStorage {
 public:
  ItemStorage() = default;
  ItemStorage(const ItemStorage&) = delete;
  ItemStorage& operator=(const ItemStorage&) = delete;

  // Room for n objects of a trivially destructible T, or none if memory ran
  // out. It lives as long as the storage.
  template <class T>
  T* allocate(size_t n) {
    return static_cast<T*>(take(n * sizeof(T), alignof(T)));
  }

 private:
  void* take(size_t bytes, size_t align);

  std::vector<std::unique_ptr<unsigned char[]>> blocks_;
  unsigned char* next_ = nullptr;
  size_t left_ = 0;
  // Blocks grow from small to large, so that a short lesson costs little
  // and a dictionary-sized one still takes few blocks.
  size_t nextBlockBytes_ = 4 * 1024;
};

}  // namespace morvane
