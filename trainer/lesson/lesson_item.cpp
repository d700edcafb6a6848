// The item reader: turns characters into lesson items by character class.
#include "lesson/lesson_item.h"

#include <algorithm>
#include <new>

#include "lesson/item_scan.h"

namespace morvane {

namespace {

// Points the list at n cells of block, growing it once when n is above its
// capacity.
void pointAt(PtrArray& list, CharToken* block, size_t n) {
  int32_t count = static_cast<int32_t>(n);
  if (count > list.capacity) list.Grow(count - list.capacity);
  for (int32_t i = 0; i < count; ++i) list.items[i] = block + i;
  list.count = count;
}

}  // namespace

std::unique_ptr<LessonItem> ItemBuilder::makeItem(bool found) const {
  auto item = std::make_unique<LessonItem>(readingCount(), hanziCount());
  const size_t cells = hanzi_.size() + reading_.size();
  if (cells > 0) item->cells_.reset(new (std::nothrow) CharToken[cells]);
  // Without memory for the cells, the lists stay empty, as if each cell had failed.
  if (CharToken* block = item->cells_.get()) {
    std::copy(hanzi_.begin(), hanzi_.end(), block);
    std::copy(reading_.begin(), reading_.end(), block + hanzi_.size());
    pointAt(item->hanzi, block, hanzi_.size());
    pointAt(item->reading, block + hanzi_.size(), reading_.size());
  }
  item->hanziMarks.assign(static_cast<size_t>(item->hanzi.count), 0);
  item->readingMarks.assign(static_cast<size_t>(item->reading.count), 3);

  wchar_t* meaning = new (std::nothrow) wchar_t[meaning_.size() + 1];
  if (meaning) {
    for (size_t i = 0; i < meaning_.size(); ++i) meaning[i] = static_cast<unsigned char>(meaning_[i]);
    meaning[meaning_.size()] = 0;
    item->meaning.reset(meaning);
  }
  item->valid = found && meaning != nullptr;
  return item;
}

ItemReader::ItemReader(TokenReader& reader)
    : reader_(reader), encodingReader_(dynamic_cast<FileTokenReader*>(&reader)) {}

std::unique_ptr<LessonItem> ItemReader::next() {
  bool found = encodingReader_ ? encodingReader_->readItemInto(builder_)
                               : scanItem(reader_, builder_);
  return builder_.makeItem(found);
}

std::unique_ptr<LessonItem> readItem(TokenReader& reader) { return ItemReader(reader).next(); }

}  // namespace morvane
