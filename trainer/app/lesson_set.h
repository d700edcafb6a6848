// Reading the files of a lesson set (Multi-Open) into one lesson.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lesson/weighted_lesson.h"

namespace morvane {

// The progress file of a lesson file: its path with ".st" appended.
std::wstring progressPathFor(const std::wstring& lessonPath);

// The first path makes the lesson, each further one is added to it, each
// with its own progress file. None for an empty list.
std::unique_ptr<WeightedLesson> readLessonSet(const std::vector<std::wstring>& paths);

}  // namespace morvane
