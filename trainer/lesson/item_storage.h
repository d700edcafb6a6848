// Storage a lesson owns for its items: large blocks handed out in pieces and
// freed all at once with the lesson, so that a dictionary-sized lesson is not
// hundreds of thousands of small heap objects.
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

  // Room for `bytes` bytes at an address that is a multiple of `align` (a
  // power of two), or none if memory ran out. It lives as long as the storage.
  void* allocate(size_t bytes, size_t align);

 private:
  std::vector<std::unique_ptr<unsigned char[]>> blocks_;
  unsigned char* next_ = nullptr;
  size_t left_ = 0;
  // Blocks grow from small to large, so that a short lesson costs little
  // and a dictionary-sized one still takes few blocks.
  size_t nextBlockBytes_ = 4 * 1024;
};

}  // namespace morvane
