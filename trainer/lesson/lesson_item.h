// One lesson entry (Hanzi, reading, meaning) and the reader that builds it
// from a stream of characters.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/ptr_array.h"
#include "lesson/char_token.h"
#include "lesson/item_builder.h"
#include "lesson/item_storage.h"
#include "lesson/token_reader.h"

namespace morvane {

class LessonItem {
 public:
  LessonItem() : reading(64), hanzi(64) {}
  // An item whose lists hold exactly the given numbers of cells without
  // growing, so that a dictionary-sized lesson is not mostly empty slots.
  LessonItem(int32_t readingCells, int32_t hanziCells) : reading(readingCells), hanzi(hanziCells) {}
  // The same with list slots from storage its lesson owns.
  LessonItem(void** readingSlots, int32_t readingCells, void** hanziSlots, int32_t hanziCells)
      : reading(readingSlots, readingCells), hanzi(hanziSlots, hanziCells) {}
  LessonItem(const LessonItem&) = delete;
  LessonItem& operator=(const LessonItem&) = delete;

  // The cell at index of `hanzi` or `reading` (a CharString).
  static const CharToken* cellAt(const PtrArray& cells, int32_t index) {
    return static_cast<const CharToken*>(cells.At(index));
  }

  // Zero-terminated; each byte of the file's meaning became the wide
  // character of the same value. Null only if memory ran out.
  std::unique_ptr<wchar_t[]> meaning;
  // CharToken cells (a CharString each), owned by the item or by its
  // lesson: single-byte characters are (0, byte); '/' in a reading is held
  // as ';'.
  PtrArray reading;
  PtrArray hanzi;
  // One byte per cell: 3 for every reading cell; 0 for Hanzi cells until the
  // trainer marks them (bit 0: stroke data, bit 1: feedback data).
  std::vector<uint8_t> readingMarks;
  std::vector<uint8_t> hanziMarks;
  // The Hanzi, the reading and the meaning were all found.
  bool valid = false;

 private:
  friend class ItemBuilder;

  // The cells of both lists, Hanzi first, in one block, when the item owns them.
  std::unique_ptr<CharToken[]> cells_;
};

// Reads the items of one reader in turn, keeping its working space from item
// to item. An encoding reader of the lesson core reads each item with its
// own loop; any other TokenReader is read through its virtual operations.
// With storage, the items' cells and lists live there; otherwise each item
// owns its cells.
class ItemReader {
 public:
  explicit ItemReader(TokenReader& reader, ItemStorage* storage = nullptr);
  ItemReader(const ItemReader&) = delete;
  ItemReader& operator=(const ItemReader&) = delete;

  // The next item from the reader's position: Hanzi, reading, then meaning.
  // Never null; the item is not valid when any part was missing.
  std::unique_ptr<LessonItem> next();

 private:
  TokenReader& reader_;
  FileTokenReader* encodingReader_;
  ItemStorage* storage_;
  ItemBuilder builder_;
};

// One item from the reader's position (see ItemReader::next).
std::unique_ptr<LessonItem> readItem(TokenReader& reader);

}  // namespace morvane
