// Stroke marks computed from index files read once per lesson.
#include "app/stroke_marks.h"

#include <optional>
#include <unordered_map>

#include "app/data_files.h"

namespace morvane {

void markStrokeData(Lesson& lesson, const FolderList& folders, const StrokeDatabases* databases) {
  std::optional<IndexSnapshot> small, large, feedback;
  if (databases != nullptr) {
    small.emplace(folders, std::wstring(databases->small) + L".ind");
    large.emplace(folders, std::wstring(databases->large) + L".ind");
    feedback.emplace(folders, std::wstring(databases->feedback) + L".ind");
  }
  // Items repeat characters: each code is looked up once.
  std::unordered_map<uint16_t, uint8_t> marksByCode;
  auto marksOf = [&](uint16_t code) {
    auto [at, added] = marksByCode.try_emplace(code, 0);
    if (added) {
      uint32_t offset = 0;
      if (large->find(code, offset) || small->find(code, offset)) at->second |= kHasStrokeData;
      if (feedback->find(code, offset)) at->second |= kHasFeedbackData;
    }
    return at->second;
  };
  const int32_t count = lesson.itemCount();
  for (int32_t i = 0; i < count; ++i) {
    LessonItem* item = lesson.passItemAt(i);
    if (item == nullptr) continue;
    const CellList hanzi = item->hanzi();
    MarkList marks = item->hanziMarks();
    for (int32_t c = 0; c < hanzi.Count(); ++c) {
      marks[c] = databases == nullptr ? 0 : marksOf(hanzi[c].code());
    }
  }
}

}  // namespace morvane
