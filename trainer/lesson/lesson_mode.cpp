// Starting a pass for a lesson mode.
#include "lesson/lesson_mode.h"

namespace morvane {

void applyMode(Lesson& lesson, LessonMode mode) {
  lesson.setReview(false);
  switch (mode) {
    case LessonMode::Quiz25:
      lesson.startQuiz(25);
      break;
    case LessonMode::Quiz50:
      lesson.startQuiz(50);
      break;
    case LessonMode::Review:
      lesson.setReview(true);
      lesson.startAll();
      break;
    default:
      lesson.startAll();
      break;
  }
}

}  // namespace morvane
