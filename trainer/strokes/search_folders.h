// The folders in which the trainer looks for its data files (fonts, stroke
// and feedback databases), in the order they are tried. Filled once at
// start-up and only read afterwards; empty until then, so lookups find nothing.
#pragma once

#include "strokes/stroke_database.h"

namespace morvane {

extern FolderList searchFolders;

}  // namespace morvane
