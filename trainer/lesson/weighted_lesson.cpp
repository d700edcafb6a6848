// Weights, progress files and Review picking of the trainer's lessons.
#include "lesson/weighted_lesson.h"

#include <utility>

#include "lesson/random.h"

namespace morvane {

namespace {

// Review draws this often before it falls back to the pass.
const int kReviewDraws = 100;

}  // namespace

WeightedLesson::WeightedLesson(const std::wstring& path, const std::wstring& progressPath,
                               int32_t maxItems, ReaderFactory readerFactory)
    : Lesson(path, maxItems, std::move(readerFactory)) {
  seedRandom(timeOfDaySeed());
  loadProgress(progressPath, itemCount(), weights_);
  fileRecords_.push_back({progressPath, weights_.count(), openFileForRead(path) != nullptr});
}

WeightedLesson::~WeightedLesson() = default;

void WeightedLesson::addFile(const std::wstring& path, const std::wstring& progressPath) {
  // readFile, opening the file here to know whether it opened.
  addOpenFile(OpenLessonFile{openFileForRead(path), path}, progressPath);
}

void WeightedLesson::addOpenFile(OpenLessonFile file, const std::wstring& progressPath) {
  int32_t before = itemCount();
  bool opened = file.file != nullptr;
  readOpenFile(std::move(file));
  addWeightsOf(before, progressPath, opened);
}

void WeightedLesson::addWeightsOf(int32_t itemsBefore, const std::wstring& progressPath,
                                  bool lessonOpened) {
  ItemWeights table;
  loadProgress(progressPath, itemCount() - itemsBefore, table);
  // Weights too heavy only together with the set's others are as unusable.
  if (!isDrawableSum(weights_.sum() + table.sum())) table = ItemWeights::withDefaults(table.count());
  fileRecords_.push_back({progressPath, table.count(), lessonOpened});
  for (int32_t i = 0; i < table.count(); ++i) weights_.appendWeight(table.weightAt(i));
}

LessonItem* WeightedLesson::nextItem() {
  LessonItem* result = nullptr;
  if (reviewMode_ && itemCount() > 1) {
    for (int draw = 0; draw < kReviewDraws; ++draw) {
      int32_t index = weights_.weightedPick();
      if (index < 0 || index >= itemCount()) break;
      if (itemPointer(index) != lastPicked_) {
        result = itemPointer(index);
        break;
      }
    }
  }
  if (!result) result = Lesson::nextItem();
  if (!result && reviewMode_ && itemCount() > 1) {
    // The fallback has used up the pass, but Review goes on until the mode changes.
    fillPassWithAllItems();
    result = Lesson::nextItem();
  }
  lastPicked_ = result;
  return result;
}

void WeightedLesson::markRight(LessonItem* item) {
  Lesson::markRight(item);
  if (trackWrong_) weights_.adjustWeight(indexOf(item), -1.0f);
}

void WeightedLesson::markWrong(LessonItem* item) {
  Lesson::markWrong(item);
  if (trackWrong_) weights_.adjustWeight(indexOf(item), 6.0f);
}

void WeightedLesson::setReview(bool on) { reviewMode_ = on; }

void WeightedLesson::setTrackWrong(bool on) { trackWrong_ = on; }

void WeightedLesson::resetWeights() { weights_ = ItemWeights::withDefaults(itemCount()); }

void WeightedLesson::saveProgress() {
  int32_t offset = 0;
  for (const LessonFileRecord& record : fileRecords_) {
    if (record.lessonOpened) {
      ItemWeights table;
      for (int32_t j = 0; j < record.itemCount; ++j) {
        table.appendWeight(weights_.weightAt(offset + j));
      }
      saveProgressFile(record.progressPath, table);
    }
    offset += record.itemCount;
  }
}

}  // namespace morvane
