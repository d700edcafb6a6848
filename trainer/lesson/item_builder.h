// The parts of one lesson item while it is read, kept in space that serves
// item after item; the finished LessonItem is one piece of lesson storage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lesson/char_token.h"

namespace morvane {

class ItemStorage;
class LessonItem;

// Longest Hanzi or reading kept, in cells, and longest meaning, in bytes.
// Far above any real item (a whole passage with its pinyin, or the notes that
// run on to the end of a file, fit); they only keep a hostile file from
// making one item use memory without bound. Characters beyond them are read
// and dropped.
constexpr int32_t kMaxItemCells = 65536;
constexpr size_t kMaxMeaningBytes = 1 << 20;

class ItemBuilder {
 public:
  // Forgets the parts of the previous item.
  void clear() {
    hanzi_.clear();
    reading_.clear();
    meaning_.clear();
  }

  // Cells beyond kMaxItemCells are dropped.
  void addHanzi(uint8_t first, uint8_t second) { addCell(hanzi_, first, second); }
  void addReading(uint8_t first, uint8_t second) { addCell(reading_, first, second); }
  void addMeaning(char byte) { meaning_ += byte; }
  void addMeaning(const char* text) { meaning_ += text; }

  int32_t hanziCount() const { return static_cast<int32_t>(hanzi_.size()); }
  int32_t readingCount() const { return static_cast<int32_t>(reading_.size()); }
  size_t meaningSize() const { return meaning_.size(); }
  // The meaning's first byte is not zero (it is present as a string).
  bool meaningPresent() const { return !meaning_.empty() && meaning_[0] != 0; }
  // The meaning's length as its zero-terminated text holds it.
  size_t meaningLength() const { return std::strlen(meaning_.c_str()); }

  // The item of the parts collected, in storage (null if storage ran out);
  // valid only if `found` (all three parts were found).
  LessonItem* makeItem(bool found, ItemStorage& storage) const;

 private:
  // Each byte is stored in place: a cell built on the stack from two byte
  // stores and copied as one 16-bit load stalls the store buffer.
  static void addCell(std::vector<CharToken>& cells, uint8_t first, uint8_t second) {
    if (cells.size() >= static_cast<size_t>(kMaxItemCells)) return;
    CharToken& cell = cells.emplace_back();
    cell.first = first;
    cell.second = second;
  }

  std::vector<CharToken> hanzi_;
  std::vector<CharToken> reading_;
  std::string meaning_;
};

}  // namespace morvane
