// The four lesson modes and how each starts a pass.
#pragma once

#include <cstdint>

#include "lesson/lesson.h"

namespace morvane {

// Stored by these codes (and by name in the settings).
enum class LessonMode : int32_t { Normal = 120, Quiz25 = 121, Quiz50 = 122, Review = 123 };

// Turns Review picking off, then on for Review, and starts the pass the mode
// asks for: all items, or a quiz of 25 or 50. Unknown codes act as Normal.
void applyMode(Lesson& lesson, LessonMode mode);

}  // namespace morvane
