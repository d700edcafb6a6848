#include "base/ptr_array.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

int cells[200];

TEST(PtrArray, AppendGrowsByItsStepAndKeepsOrder) {
  PtrArray a(64);
  for (int i = 0; i < 65; ++i) a.Append(&cells[i]);
  EXPECT_EQ(a.count, 65);
  EXPECT_EQ(a.capacity, 128);
  for (int i = 0; i < 65; ++i) EXPECT_EQ(a.At(i), &cells[i]);
}

TEST(PtrArray, GrowIgnoresNonPositiveCounts) {
  PtrArray a(4);
  a.Grow(0);
  a.Grow(-3);
  EXPECT_EQ(a.capacity, 4);
  a.Grow(2);
  EXPECT_EQ(a.capacity, 6);
}

TEST(PtrArray, AssignRangeGrowsByTheMissingSlotsOnly) {
  void* src[70];
  for (int i = 0; i < 70; ++i) src[i] = &cells[i];
  PtrArray a(64);
  a.Append(&cells[100]);
  a.AssignRange(src, src + 70);
  EXPECT_EQ(a.count, 70);
  EXPECT_EQ(a.capacity, 70);
  for (int i = 0; i < 70; ++i) EXPECT_EQ(a.At(i), &cells[i]);
  a.AssignRange(src + 5, src + 7);
  EXPECT_EQ(a.count, 2);
  EXPECT_EQ(a.At(0), &cells[5]);
}

TEST(PtrArray, AssignRangeFromItsOwnItems) {
  PtrArray a(2);
  for (int i = 0; i < 5; ++i) a.Append(&cells[i]);
  a.AssignRange(a.items + 1, a.items + 4);
  ASSERT_EQ(a.count, 3);
  EXPECT_EQ(a.At(0), &cells[1]);
  EXPECT_EQ(a.At(2), &cells[3]);
}

TEST(PtrArray, RemoveAtKeepsOrderAndIgnoresBadIndexes) {
  PtrArray a(8);
  for (int i = 0; i < 4; ++i) a.Append(&cells[i]);
  a.RemoveAt(1);
  a.RemoveAt(7);
  a.RemoveAt(-1);
  ASSERT_EQ(a.count, 3);
  EXPECT_EQ(a.At(1), &cells[2]);
}

TEST(PtrArray, ABorrowedBlockIsUsedUntilItIsFullThenLeftToItsOwner) {
  void* borrowed[2] = {nullptr, nullptr};
  {
    PtrArray a(borrowed, 2);
    a.Append(&cells[0]);
    a.Append(&cells[1]);
    EXPECT_EQ(a.items, borrowed);
    EXPECT_FALSE(a.ownsBlock);
    a.Append(&cells[2]);
    EXPECT_NE(a.items, borrowed);
    EXPECT_TRUE(a.ownsBlock);
    EXPECT_EQ(a.capacity, 66);
    EXPECT_EQ(a.At(0), &cells[0]);
    EXPECT_EQ(a.At(2), &cells[2]);
  }
  // The owner's block still holds what was put there (nothing freed it).
  EXPECT_EQ(borrowed[1], &cells[1]);
}

TEST(CursorPtrArray, NextOnEmptyGivesNoneAndRewindStartsAgain) {
  CursorPtrArray a(64);
  EXPECT_EQ(a.Next(), nullptr);
  a.Append(&cells[0]);
  a.Append(&cells[1]);
  EXPECT_EQ(a.Next(), &cells[0]);
  EXPECT_EQ(a.Next(), &cells[1]);
  EXPECT_EQ(a.Next(), nullptr);
  a.Rewind();
  EXPECT_EQ(a.Next(), &cells[0]);
}

}  // namespace
}  // namespace morvane
