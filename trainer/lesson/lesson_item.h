// One lesson entry (Hanzi, reading, meaning) and the reader that builds it
// from a stream of characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "lesson/char_token.h"
#include "lesson/item_builder.h"
#include "lesson/item_storage.h"
#include "lesson/token_reader.h"

namespace morvane {

// A run of an item's cells or marks, where the item keeps them.
template <class T>
class ItemList {
 public:
  ItemList(T* data, int32_t count) : data_(data), count_(count) {}

  int32_t Count() const { return count_; }
  size_t size() const { return static_cast<size_t>(count_); }
  T& operator[](int32_t index) const { return data_[index]; }
  T* begin() const { return data_; }
  T* end() const { return data_ + count_; }

 private:
  T* data_;
  int32_t count_;
};

// Cells: single-byte characters are (0, byte); '/' in a reading is held as ';'.
using CellList = ItemList<const CharToken>;
// One byte per cell: 3 for every reading cell; 0 for Hanzi cells until the
// trainer marks them (bit 0: stroke data, bit 1: feedback data).
using MarkList = ItemList<uint8_t>;

// An item is one piece of its lesson's storage: this header, then its cells
// (Hanzi first), one mark per cell in the same order, and the meaning's bytes
// with a zero after them. A dictionary-sized lesson is thus one allocation
// per item, about the size of its line in the file.
class LessonItem {
 public:
  // Bytes of storage an item of these sizes takes, header included.
  static size_t storageBytes(int32_t hanziCells, int32_t readingCells, size_t meaningBytes) {
    return sizeof(LessonItem) + 3 * (static_cast<size_t>(hanziCells) + readingCells) +
           meaningBytes + 1;
  }
  // Only in storage of storageBytes(...) at an address aligned for the
  // header; the cells, marks and meaning are filled in by the caller.
  LessonItem(int32_t hanziCells, int32_t readingCells)
      : hanziCount_(hanziCells), readingCount_(readingCells) {}
  LessonItem(const LessonItem&) = delete;
  LessonItem& operator=(const LessonItem&) = delete;

  CellList hanzi() const { return {cells(), hanziCount_}; }
  CellList reading() const { return {cells() + hanziCount_, readingCount_}; }
  MarkList hanziMarks() { return {marksAt(), hanziCount_}; }
  MarkList readingMarks() { return {marksAt() + hanziCount_, readingCount_}; }
  ItemList<const uint8_t> hanziMarks() const { return {marksAt(), hanziCount_}; }
  ItemList<const uint8_t> readingMarks() const { return {marksAt() + hanziCount_, readingCount_}; }

  // The meaning's bytes, zero-terminated.
  const char* meaningBytes() const { return reinterpret_cast<const char*>(meaningAt()); }
  // The meaning as shown: each byte of the file's meaning became the wide
  // character of the same value. Ends at the first zero byte, if any.
  std::wstring meaning() const;

  // The Hanzi, the reading and the meaning were all found.
  bool valid = false;

 private:
  friend class ItemBuilder;

  size_t cellCount() const { return static_cast<size_t>(hanziCount_) + readingCount_; }
  const uint8_t* text() const { return reinterpret_cast<const uint8_t*>(this + 1); }
  uint8_t* text() { return reinterpret_cast<uint8_t*>(this + 1); }
  const CharToken* cells() const { return reinterpret_cast<const CharToken*>(text()); }
  CharToken* cells() { return reinterpret_cast<CharToken*>(text()); }
  const uint8_t* marksAt() const { return text() + 2 * cellCount(); }
  uint8_t* marksAt() { return text() + 2 * cellCount(); }
  const uint8_t* meaningAt() const { return text() + 3 * cellCount(); }
  uint8_t* meaningAt() { return text() + 3 * cellCount(); }

  int32_t hanziCount_;
  int32_t readingCount_;
};

// Reads the items of one reader in turn into storage, keeping its working
// space from item to item. An encoding reader of the lesson core reads each
// item with its own loop; any other TokenReader is read through its virtual
// operations.
class ItemReader {
 public:
  ItemReader(TokenReader& reader, ItemStorage& storage);
  ItemReader(const ItemReader&) = delete;
  ItemReader& operator=(const ItemReader&) = delete;

  // The next item from the reader's position: Hanzi, reading, then meaning.
  // It is not valid when any part was missing; null if storage ran out.
  LessonItem* next();

 private:
  TokenReader& reader_;
  FileTokenReader* encodingReader_;
  ItemStorage& storage_;
  ItemBuilder builder_;
};

}  // namespace morvane
