// Lesson reading and the scheduling of a pass.
#include "lesson/lesson.h"

#include <utility>

#include "lesson/random.h"

namespace morvane {

Lesson::Lesson(const std::wstring& path, int32_t maxItems, ReaderFactory readerFactory)
    : readerFactory_(std::move(readerFactory)) {
  reseed();
  maxItems_ = maxItems;
  sourcePath_ = path;
  readFile(path);
}

Lesson::~Lesson() = default;

void Lesson::addFile(const std::wstring& path, const std::wstring&) { readFile(path); }

void Lesson::addOpenFile(OpenLessonFile file, const std::wstring&) {
  readOpenFile(std::move(file));
}

void Lesson::readFile(const std::wstring& path) {
  readOpenFile(OpenLessonFile{openFileForRead(path), path});
}

void Lesson::readOpenFile(OpenLessonFile file) {
  EncodingCode code = encodingForPath(file.path);
  if (file.file && code != EncodingCode::Unicode) readItems(*file.file, code);
  file.file.reset();
  resetCounters();
  passSize_ = itemCount();
}

void Lesson::startQuiz(int32_t n) {
  wrongList_.clear();
  fillPassWithAllItems();
  // In 64 bits, so that no n overflows; a negative n empties the pass.
  for (int64_t drop = static_cast<int64_t>(pending_.size()) - n; drop > 0 && !pending_.empty();
       --drop) {
    pending_.erase(pending_.begin() + randomIndex(static_cast<int32_t>(pending_.size())));
  }
  resetCounters();
  passSize_ = static_cast<int32_t>(pending_.size());
}

LessonItem* Lesson::nextItem() {
  if (pending_.empty()) {
    if (wrongList_.empty()) return nullptr;
    pending_.swap(wrongList_);
    wrongList_.clear();
    return nextItem();
  }
  auto at = pending_.begin() + randomIndex(static_cast<int32_t>(pending_.size()));
  LessonItem* next = *at;
  pending_.erase(at);
  return next;
}

void Lesson::restart() { startQuiz(passSize_); }

void Lesson::startAll() {
  wrongList_.clear();
  fillPassWithAllItems();
  resetCounters();
  passSize_ = static_cast<int32_t>(pending_.size());
}

void Lesson::markRight(LessonItem*) { ++rightCount_; }

void Lesson::markWrong(LessonItem* item) {
  wrongList_.push_back(item);
  ++wrongCount_;
}

int32_t Lesson::rightCount() { return rightCount_; }

int32_t Lesson::wrongCount() { return wrongCount_; }

int32_t Lesson::answeredCount() { return rightCount_ + wrongCount_; }

float Lesson::rightRatio() {
  if (rightCount_ == 0 && wrongCount_ == 0) return 1.0f;
  return static_cast<float>(rightCount_) / static_cast<float>(rightCount_ + wrongCount_);
}

int32_t Lesson::itemCount() { return static_cast<int32_t>(items_.size()); }

int32_t Lesson::passSize() { return passSize_; }

void Lesson::setReview(bool) {}

void Lesson::setTrackWrong(bool) {}

void Lesson::resetWeights() {}

void Lesson::saveProgress() {}

LessonItem* Lesson::passItemAt(int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= pending_.size()) return nullptr;
  return pending_[static_cast<size_t>(index)];
}

void Lesson::reseed() {
  seedRandom(timeOfDaySeed());
  resetCounters();
  maxItems_ = 0;
  sourcePath_.clear();
}

void Lesson::readItems(File& file, EncodingCode code) {
  std::unique_ptr<TokenReader> reader = createReader(file, code);
  readItemsFrom(*reader);
}

void Lesson::readItemsFrom(TokenReader& reader) {
  ItemReader itemReader(reader, itemStorage_);
  for (;;) {
    int32_t count = itemCount();
    if ((maxItems_ != 0 && count >= maxItems_) || count >= kMaxLessonItems) return;
    LessonItem* next = itemReader.next();
    if (next == nullptr || !next->valid) return;
    pending_.push_back(next);
    items_.push_back(next);
  }
}

void Lesson::appendFile(const std::wstring& path) {
  std::unique_ptr<File> file = openFileForRead(path);
  if (file) readItems(*file, encodingForPath(path));
}

std::unique_ptr<TokenReader> Lesson::createReader(File& file, EncodingCode code) {
  if (readerFactory_) return readerFactory_(file, code);
  return makeTokenReader(file, code);
}

void Lesson::fillPassWithAllItems() {
  pending_.assign(items_.begin(), items_.end());
}

int32_t Lesson::indexOf(const LessonItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == item) return static_cast<int32_t>(i);
  }
  return -1;
}

void Lesson::resetCounters() {
  rightCount_ = 0;
  wrongCount_ = 0;
}

}  // namespace morvane
