// Read-back comparison through the lesson core.
#include "read_back.h"

#include "lesson/lesson.h"
#include "meaning_cleaner.h"

namespace morvane {

namespace {

bool sameCells(CellList cells, const std::vector<CharToken>& expected) {
  if (cells.size() != expected.size()) return false;
  for (int32_t i = 0; i < cells.Count(); ++i) {
    if (cells[i].code() != expected[static_cast<size_t>(i)].code()) return false;
  }
  return true;
}

std::string where(size_t index, const PlannedItem& item) {
  return "line " + std::to_string(index + 1) + " (input line " + std::to_string(item.line) + ")";
}

}  // namespace

std::string checkReadBack(const std::wstring& path, const std::vector<PlannedItem>& items) {
  Lesson lesson(path, 0);
  size_t read = static_cast<size_t>(lesson.itemCount());
  for (size_t i = 0; i < items.size() && i < read; ++i) {
    const LessonItem& got = *lesson.itemAt(static_cast<int32_t>(i));
    const PlannedItem& meant = items[i];
    if (!sameCells(got.hanzi(), meant.hanzi)) return where(i, meant) + ": the Hanzi read back differ";
    if (!sameCells(got.reading(), meant.reading)) {
      return where(i, meant) + ": the reading read back differs";
    }
    if (got.meaning() != trainerMeaning(meant.meaning)) {
      return where(i, meant) + ": the meaning read back differs";
    }
  }
  if (read < items.size()) {
    return where(read, items[read]) + ": the trainer stops reading before this item";
  }
  if (read > items.size()) {
    return "line " + std::to_string(items.size() + 1) + ": the trainer reads " +
           std::to_string(read - items.size()) + " more items than were written";
  }
  return "";
}

}  // namespace morvane
