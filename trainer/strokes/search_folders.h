// The folders in which the trainer looks for its data files (fonts, stroke
// and feedback databases), in the order they are tried. Filled once at
// start-up and only read afterwards; empty until then, so lookups find nothing.
#pragma once

#include "strokes/stroke_database.h"

namespace morvane {

extern FolderList searchFolders;

// The databases of the open lesson's character set, which a tapped
// character's animation reads; the simplified ones until a lesson says.
extern const StrokeDatabases* lessonDatabases;

}  // namespace morvane
