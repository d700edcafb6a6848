// The item reader: turns characters into lesson items by character class.
#include "lesson/lesson_item.h"

#include <algorithm>
#include <new>

#include "lesson/item_scan.h"

namespace morvane {

namespace {

// Copies the cells into block (Hanzi first) and points the lists at them;
// the lists already have room for them.
void fillLists(LessonItem& item, CharToken* block, const std::vector<CharToken>& hanzi,
               const std::vector<CharToken>& reading) {
  std::copy(hanzi.begin(), hanzi.end(), block);
  std::copy(reading.begin(), reading.end(), block + hanzi.size());
  for (size_t i = 0; i < hanzi.size(); ++i) item.hanzi.items[i] = block + i;
  for (size_t i = 0; i < reading.size(); ++i) item.reading.items[i] = block + hanzi.size() + i;
  item.hanzi.count = static_cast<int32_t>(hanzi.size());
  item.reading.count = static_cast<int32_t>(reading.size());
}

}  // namespace

std::unique_ptr<LessonItem> ItemBuilder::itemInStorage(ItemStorage& storage) const {
  const size_t cells = hanzi_.size() + reading_.size();
  void** slots = storage.allocate<void*>(cells);
  CharToken* block = storage.allocate<CharToken>(cells);
  if (!slots || !block) return nullptr;
  auto item = std::make_unique<LessonItem>(slots + hanzi_.size(), readingCount(), slots,
                                           hanziCount());
  fillLists(*item, block, hanzi_, reading_);
  return item;
}

std::unique_ptr<LessonItem> ItemBuilder::itemOwningCells() const {
  auto item = std::make_unique<LessonItem>(readingCount(), hanziCount());
  const size_t cells = hanzi_.size() + reading_.size();
  if (cells > 0) item->cells_.reset(new (std::nothrow) CharToken[cells]);
  // Without memory for the cells, the lists stay empty, as if each cell had failed.
  if (item->cells_) fillLists(*item, item->cells_.get(), hanzi_, reading_);
  return item;
}

std::unique_ptr<LessonItem> ItemBuilder::makeItem(bool found, ItemStorage* storage) const {
  std::unique_ptr<LessonItem> item;
  if (storage) item = itemInStorage(*storage);
  if (!item) item = itemOwningCells();
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

ItemReader::ItemReader(TokenReader& reader, ItemStorage* storage)
    : reader_(reader), encodingReader_(dynamic_cast<FileTokenReader*>(&reader)), storage_(storage) {}

std::unique_ptr<LessonItem> ItemReader::next() {
  bool found = encodingReader_ ? encodingReader_->readItemInto(builder_)
                               : scanItem(reader_, builder_);
  return builder_.makeItem(found, storage_);
}

std::unique_ptr<LessonItem> readItem(TokenReader& reader) { return ItemReader(reader).next(); }

}  // namespace morvane
