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

// A lesson set is in one encoding, its first file's: takes the paths of
// any other encoding out of `paths` (keeping the order of the rest) and
// returns them.
std::vector<std::wstring> takeOtherEncodings(std::vector<std::wstring>& paths);

// The message that names the files takeOtherEncodings took out.
std::wstring otherEncodingsMessage(const std::wstring& firstPath,
                                   const std::vector<std::wstring>& refused);

}  // namespace morvane
