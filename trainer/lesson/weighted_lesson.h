// The lesson the trainer opens: per-item weights kept in one progress file
// per lesson file, Review picking by weight, and lesson sets of several files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/item_weights.h"
#include "lesson/lesson.h"

namespace morvane {

// One lesson file of a lesson set.
struct LessonFileRecord {
  std::wstring progressPath;
  int32_t itemCount = 0;  // items this file contributed
  // False when the lesson file could not be opened: its progress file is
  // then left as it is rather than overwritten with no weights.
  bool lessonOpened = true;
};

class WeightedLesson : public Lesson {
 public:
  // Reads the lesson file and its weights from progressPath (normally the
  // path with ".st" appended); a missing, stale or damaged progress file
  // gives every item the weight 6.0. maxItems and readerFactory as for
  // Lesson (0: no limit; none: the encodings' own readers).
  WeightedLesson(const std::wstring& path, const std::wstring& progressPath, int32_t maxItems,
                 ReaderFactory readerFactory = nullptr);
  ~WeightedLesson() override;

  // Adds a further file to the lesson set, with its own progress file.
  void addFile(const std::wstring& path, const std::wstring& progressPath) override;
  void addOpenFile(OpenLessonFile file, const std::wstring& progressPath) override;
  // In Review (with more than one item): an item drawn by weight, not the one
  // picked last; it does not use up the pass, and when a draw fails and the
  // pass is through, a new pass of all items starts, so Review never ends.
  // Otherwise as Lesson.
  LessonItem* nextItem() override;
  // Right takes 1.0 off the item's weight (down to 1.0), Wrong adds 6.0,
  // while tracking is on.
  void markRight(LessonItem* item) override;
  void markWrong(LessonItem* item) override;
  void setReview(bool on) override;
  void setTrackWrong(bool on) override;
  // Every item back to 6.0.
  void resetWeights() override;
  // Writes each file's weights to its progress file (hidden); a file that
  // cannot be written, or whose lesson file could not be opened, is skipped
  // silently.
  void saveProgress() override;

  const ItemWeights& weights() const { return weights_; }
  const std::vector<LessonFileRecord>& fileRecords() const { return fileRecords_; }

 private:
  void addWeightsOf(int32_t itemsBefore, const std::wstring& progressPath, bool lessonOpened);

  ItemWeights weights_;
  std::vector<LessonFileRecord> fileRecords_;
  bool reviewMode_ = false;
  bool trackWrong_ = true;
  const LessonItem* lastPicked_ = nullptr;
};

}  // namespace morvane
