// The inspector's two views of a lesson or lesson set: a readable report
// for lesson authors, and JSON for programs.
#pragma once

#include <ostream>
#include <vector>

#include "lesson/weighted_lesson.h"
#include "lesson_analysis.h"

namespace morvane {

// The lesson as the trainer holds it, with one analysis per file in the order
// the files were added.
void writeLessonText(WeightedLesson& lesson, const std::vector<FileAnalysis>& files,
                     std::ostream& out);
void writeLessonJson(WeightedLesson& lesson, const std::vector<FileAnalysis>& files,
                     std::ostream& out);

}  // namespace morvane
