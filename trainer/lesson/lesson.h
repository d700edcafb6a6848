// The items of one lesson file or lesson set, and the pass: which item the
// study screen asks next. Items answered wrong come back after the rest.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lesson/encoding.h"
#include "lesson/item_storage.h"
#include "lesson/lesson_item.h"
#include "lesson/token_reader.h"
#include "platform/file.h"

namespace morvane {

// A lesson holds at most this many items; reading stops there. Well above
// the largest dictionaries written in this format (EDICT, CEDICT: about
// 200,000 entries), it bounds what a hostile file can make us allocate.
constexpr int32_t kMaxLessonItems = 1 << 19;

// A lesson file already opened by the caller, with the path that names its
// encoding.
struct OpenLessonFile {
  std::unique_ptr<File> file;
  std::wstring path;
};

// Makes the reader a lesson reads each file with: a watched reader for the
// lesson inspector. Without one, the encoding's own reader is used.
using ReaderFactory = std::function<std::unique_ptr<TokenReader>(File& file, EncodingCode code)>;

// The virtual operations keep this slot order; derived lessons override some
// of them (see WeightedLesson) and append their own after them.
class Lesson {
 public:
  // Reads the lesson file at path (no items if it cannot be opened); stops
  // after maxItems items unless maxItems is 0. The pass then holds every item
  // in file order, so passItemAt(i) is item i.
  Lesson(const std::wstring& path, int32_t maxItems, ReaderFactory readerFactory = nullptr);
  Lesson(const Lesson&) = delete;
  Lesson& operator=(const Lesson&) = delete;

  virtual ~Lesson();
  // Adds a lesson file to the lesson (a lesson set); the base ignores the
  // progress path.
  virtual void addFile(const std::wstring& path, const std::wstring& progressPath);
  virtual void addOpenFile(OpenLessonFile file, const std::wstring& progressPath);
  // Appends a file's items; resets the counters and sets passSize to all items.
  virtual void readFile(const std::wstring& path);
  // The same for an open file (closed afterwards).
  virtual void readOpenFile(OpenLessonFile file);
  // A new pass of n randomly chosen items (all if n >= itemCount), file order.
  virtual void startQuiz(int32_t n);
  // The next item of the pass (random among those left), items answered
  // wrong once the rest is through, or null when the pass is finished.
  virtual LessonItem* nextItem();
  // startQuiz(passSize()): a quiz gets a fresh subset of the same size.
  virtual void restart();
  // A new pass of every item.
  virtual void startAll();
  virtual void markRight(LessonItem* item);
  // Counts the item wrong and keeps it to be asked again in this pass.
  virtual void markWrong(LessonItem* item);
  virtual int32_t rightCount();
  virtual int32_t wrongCount();
  virtual int32_t answeredCount();
  // right / answered, 1.0 before any answer.
  virtual float rightRatio();
  virtual int32_t itemCount();
  // Number of items in the pass when it started.
  virtual int32_t passSize();
  virtual void setReview(bool on);
  virtual void setTrackWrong(bool on);
  virtual void resetWeights();
  virtual void saveProgress();
  // Entry index of the pass (null outside it): item index in file order
  // while no pass has started since construction or addFile.
  virtual LessonItem* passItemAt(int32_t index);
  // Seeds the generator from the time of day; clears the counters, maxItems
  // and the source path.
  virtual void reseed();
  // Reads every item of an open file in the given encoding.
  virtual void readItems(File& file, EncodingCode code);
  // Appends items until one is not valid (or the item limit is reached).
  virtual void readItemsFrom(TokenReader& reader);
  // Appends a file's items leaving the counters alone.
  virtual void appendFile(const std::wstring& path);
  virtual std::unique_ptr<TokenReader> createReader(File& file, EncodingCode code);

  // Item index of items in file order (files in the order they were added).
  const LessonItem* itemAt(int32_t index) const { return items_[static_cast<size_t>(index)]; }
  const std::wstring& sourcePath() const { return sourcePath_; }

 protected:
  // Position of item in the list of all items, or -1.
  int32_t indexOf(const LessonItem* item) const;
  // Puts every item into the pass in file order; counters and passSize stay.
  void fillPassWithAllItems();
  LessonItem* itemPointer(int32_t index) { return items_[static_cast<size_t>(index)]; }

 private:
  void resetCounters();

  std::wstring sourcePath_;
  ReaderFactory readerFactory_;
  // Where the items live: freed with the lesson.
  ItemStorage itemStorage_;
  std::vector<LessonItem*> items_;
  std::vector<LessonItem*> pending_;
  std::vector<LessonItem*> wrongList_;
  int32_t rightCount_ = 0;
  int32_t wrongCount_ = 0;
  int32_t passSize_ = 0;
  int32_t maxItems_ = 0;
};

}  // namespace morvane
