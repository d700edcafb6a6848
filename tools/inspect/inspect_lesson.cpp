#include <cstdio>

#include "inspect_commands.h"

namespace morvane {

int inspectLesson(int, char**) {
  std::fprintf(stderr, "morvane-inspect lesson: not built yet\n");
  return 2;
}

}  // namespace morvane
