// The item reader: turns characters into lesson items by character class.
#include "lesson/lesson_item.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "lesson/item_scan.h"

namespace morvane {

static_assert(sizeof(CharToken) == 2, "cells are held as two bytes each");

std::wstring LessonItem::meaning() const {
  const char* bytes = meaningBytes();
  std::wstring wide(std::strlen(bytes), L'\0');
  std::transform(bytes, bytes + wide.size(), wide.begin(),
                 [](char b) { return static_cast<wchar_t>(static_cast<unsigned char>(b)); });
  return wide;
}

LessonItem* ItemBuilder::makeItem(bool found, ItemStorage& storage) const {
  const int32_t hanziCells = hanziCount();
  const int32_t readingCells = readingCount();
  void* room = storage.allocate(LessonItem::storageBytes(hanziCells, readingCells, meaning_.size()),
                                alignof(LessonItem));
  if (room == nullptr) return nullptr;
  auto* item = new (room) LessonItem(hanziCells, readingCells);
  // Constructed in place: the storage holds no cells before.
  CharToken* cells = std::uninitialized_copy(hanzi_.begin(), hanzi_.end(), item->cells());
  std::uninitialized_copy(reading_.begin(), reading_.end(), cells);
  uint8_t* marks = item->marksAt();
  std::memset(marks, 0, hanzi_.size());
  std::memset(marks + hanzi_.size(), 3, reading_.size());
  std::memcpy(item->meaningAt(), meaning_.c_str(), meaning_.size() + 1);
  item->valid = found;
  return item;
}

ItemReader::ItemReader(TokenReader& reader, ItemStorage& storage)
    : reader_(reader), encodingReader_(dynamic_cast<FileTokenReader*>(&reader)), storage_(storage) {}

LessonItem* ItemReader::next() {
  bool found = encodingReader_ ? encodingReader_->readItemInto(builder_)
                               : scanItem(reader_, builder_);
  return builder_.makeItem(found, storage_);
}

}  // namespace morvane
