// Size-class free lists over chunks that are never given back: a closed
// lesson's blocks serve the next one.
#include "core/text_blocks.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

// Under AddressSanitizer every block is a heap block of its own, so that the
// sanitizer knows each one's bounds.
#if defined(__SANITIZE_ADDRESS__)
#define QUILLMARK_HEAP_TEXT_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLMARK_HEAP_TEXT_BLOCKS 1
#endif
#endif

namespace quillmark::text_blocks {

#if QUILLMARK_HEAP_TEXT_BLOCKS

char* allocate(size_t bytes) { return new char[bytes]; }
void release(char* block, size_t) { delete[] block; }

#else

namespace {

constexpr size_t kStep = 8;
constexpr size_t kChunkBytes = 64 * 1024;
static_assert(kLargestBlock % kStep == 0 && kLargestBlock <= kChunkBytes, "blocks fit a chunk");

size_t classOf(size_t bytes) { return (bytes + kStep - 1) / kStep; }

class Pool {
 public:
  char* allocate(size_t bytes) {
    const size_t c = classOf(bytes);
    if (FreeBlock* block = free_[c]) {
      free_[c] = block->next;
      return reinterpret_cast<char*>(block);
    }
    const size_t size = c * kStep;
    if (left_ < size) {
      std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
      chunks_.push_back(std::move(chunk));
      next_ = chunks_.back().get();
      left_ = kChunkBytes;
    }
    char* block = next_;
    next_ += size;
    left_ -= size;
    return block;
  }

  void release(char* block, size_t bytes) {
    auto* freed = reinterpret_cast<FreeBlock*>(block);
    const size_t c = classOf(bytes);
    freed->next = free_[c];
    free_[c] = freed;
  }

 private:
  struct FreeBlock {
    FreeBlock* next;
  };

  std::vector<std::unique_ptr<char[]>> chunks_;
  std::array<FreeBlock*, kLargestBlock / kStep + 1> free_{};
  char* next_ = nullptr;
  size_t left_ = 0;
};

// Never destroyed, so that items destroyed late at exit still find it.
Pool& pool() {
  static Pool* const instance = new Pool;
  return *instance;
}

}  // namespace

char* allocate(size_t bytes) { return pool().allocate(bytes); }
void release(char* block, size_t bytes) { pool().release(block, bytes); }

#endif

}  // namespace quillmark::text_blocks
