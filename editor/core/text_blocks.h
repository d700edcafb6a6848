// The blocks that hold the items' texts: carved from large chunks in steps of
// 8 bytes and kept for reuse when released, so that each of a dictionary's
// items takes what its text needs, without a heap header and rounding of its
// own. Quillmark runs on one thread; so do these.
#pragma once

#include <cstddef>

namespace quillmark::text_blocks {

// The largest block handed out: more than an item of three full fields of
// wide characters takes, 4 bytes each as on Linux.
constexpr size_t kLargestBlock = 4096;

// A block of `bytes` bytes (1 to kLargestBlock), aligned to 8 bytes.
char* allocate(size_t bytes);
// Gives back a block from allocate of the same size.
void release(char* block, size_t bytes);

}  // namespace quillmark::text_blocks
