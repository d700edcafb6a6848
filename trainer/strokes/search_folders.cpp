// The process-wide data folder list.
#include "strokes/search_folders.h"

namespace morvane {

FolderList searchFolders;
const StrokeDatabases* lessonDatabases = &kSimplifiedDatabases;

}  // namespace morvane
