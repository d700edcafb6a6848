// The items of a lesson as the inspector's JSON lists them. A dictionary-sized
// lesson makes tens of megabytes of it, so it is written in large blocks.
#pragma once

#include <ostream>
#include <string>

#include "lesson/weighted_lesson.h"

namespace morvane {

// The shortest decimal form that reads back as the same float, with a
// fractional part ("6.0", "12.5"); "null" if not finite.
std::string weightText(float w);

// Every item, each on a line of its own after a line break, separated by
// commas: {"hanzi": [keys], "reading": [keys], "meaning": "...", "weight": w}.
void writeJsonItems(WeightedLesson& lesson, std::ostream& out);

}  // namespace morvane
