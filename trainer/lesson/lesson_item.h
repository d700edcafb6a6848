// One lesson entry (Hanzi, reading, meaning) and the reader that builds it
// from a stream of characters.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/ptr_array.h"
#include "lesson/char_token.h"
#include "lesson/token_reader.h"

namespace morvane {

// Longest Hanzi or reading kept, in cells, and longest meaning, in bytes.
// Far above any real item (a whole passage with its pinyin, or the notes that
// run on to the end of a file, fit); they only keep a hostile file from
// making one item use memory without bound. Characters beyond them are read
// and dropped.
constexpr int32_t kMaxItemCells = 65536;
constexpr size_t kMaxMeaningBytes = 1 << 20;

class LessonItem {
 public:
  LessonItem() : reading(64), hanzi(64) {}
  ~LessonItem();
  LessonItem(const LessonItem&) = delete;
  LessonItem& operator=(const LessonItem&) = delete;

  // The cell at index of `hanzi` or `reading` (a CharString).
  static const CharToken* cellAt(const PtrArray& cells, int32_t index) {
    return static_cast<const CharToken*>(cells.At(index));
  }

  // Zero-terminated; each byte of the file's meaning became the wide
  // character of the same value. Null only if memory ran out.
  std::unique_ptr<wchar_t[]> meaning;
  // Owned CharToken cells (a CharString each): single-byte characters are
  // (0, byte); '/' in a reading is held as ';'.
  PtrArray reading;
  PtrArray hanzi;
  // One byte per cell: 3 for every reading cell; 0 for Hanzi cells until the
  // trainer marks them (bit 0: stroke data, bit 1: feedback data).
  std::vector<uint8_t> readingMarks;
  std::vector<uint8_t> hanziMarks;
  // The Hanzi, the reading and the meaning were all found.
  bool valid = false;
};

// Builds one item from the reader's position: Hanzi, reading, then meaning.
// Never null; the item is not valid when any part was missing.
std::unique_ptr<LessonItem> readItem(TokenReader& reader);

}  // namespace morvane
