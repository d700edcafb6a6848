// The marks under a lesson's Hanzi: which characters the stroke and
// feedback databases hold. Platform-neutral.
#pragma once

#include "lesson/lesson.h"
#include "strokes/stroke_database.h"

namespace morvane {

// Gives every item's Hanzi one mark per character: kHasStrokeData when the
// large or small database holds its code, kHasFeedbackData when the
// feedback database does; all 0 without databases (an encoding whose codes
// key none). Each index file is read once for the whole lesson.
void markStrokeData(Lesson& lesson, const FolderList& folders, const StrokeDatabases* databases);

}  // namespace morvane
