// A lesson set read file by file.
#include "app/lesson_set.h"

namespace morvane {

std::wstring progressPathFor(const std::wstring& lessonPath) { return lessonPath + L".st"; }

std::unique_ptr<WeightedLesson> readLessonSet(const std::vector<std::wstring>& paths) {
  std::unique_ptr<WeightedLesson> lesson;
  for (const std::wstring& path : paths) {
    if (!lesson) {
      lesson = std::make_unique<WeightedLesson>(path, progressPathFor(path), 0);
    } else {
      lesson->addFile(path, progressPathFor(path));
    }
  }
  return lesson;
}

}  // namespace morvane
