// The lesson's item storage: pieces that never overlap, aligned for their
// type, and large requests that do not waste the block in use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "lesson/item_storage.h"

namespace morvane {
namespace {

template <class T>
T* take(ItemStorage& storage, size_t n) {
  return static_cast<T*>(storage.allocate(n * sizeof(T), alignof(T)));
}

TEST(ItemStorage, PiecesAreAlignedAndNeverOverlap) {
  ItemStorage storage;
  std::vector<std::pair<uintptr_t, uintptr_t>> pieces;
  for (int i = 0; i < 20000; ++i) {
    // Odd byte counts between pointer-sized pieces, as cells and slots alternate.
    auto* cells = take<uint16_t>(storage, static_cast<size_t>(1 + i % 7));
    auto* slots = take<void*>(storage, static_cast<size_t>(1 + i % 5));
    ASSERT_NE(cells, nullptr);
    ASSERT_NE(slots, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(slots) % alignof(void*), 0u);
    pieces.push_back({reinterpret_cast<uintptr_t>(cells), 2 * (1 + i % 7)});
    pieces.push_back({reinterpret_cast<uintptr_t>(slots), sizeof(void*) * (1 + i % 5)});
  }
  std::sort(pieces.begin(), pieces.end());
  for (size_t i = 1; i < pieces.size(); ++i) {
    ASSERT_GE(pieces[i].first, pieces[i - 1].first + pieces[i - 1].second);
  }
}

TEST(ItemStorage, ALargeRequestGetsABlockOfItsOwn) {
  ItemStorage storage;
  auto* first = take<char>(storage, 16);
  // 100,000 slots: well over a quarter of a block.
  auto* large = take<void*>(storage, 100000);
  auto* next = take<char>(storage, 16);
  ASSERT_NE(large, nullptr);
  large[99999] = first;
  // The small pieces keep following each other in the block in use.
  EXPECT_EQ(next, first + 16);
  EXPECT_EQ(large[99999], first);
}

TEST(ItemStorage, APieceLargerThanTheGrowingBlockStillFitsWhole) {
  ItemStorage storage;
  auto* first = take<char>(storage, 16);
  // Larger than the early blocks, smaller than a block of its own.
  const size_t size = 40000;
  auto* middle = take<char>(storage, size);
  ASSERT_NE(middle, nullptr);
  std::fill(middle, middle + size, 'm');
  for (int i = 0; i < 1000; ++i) {
    auto* small = take<char>(storage, 8);
    std::fill(small, small + 8, 's');
    ASSERT_TRUE(small + 8 <= middle || small >= middle + size);
    ASSERT_TRUE(small + 8 <= first || small >= first + 16);
  }
  EXPECT_EQ(std::count(middle, middle + size, 'm'), static_cast<long>(size));
}

}  // namespace
}  // namespace morvane
