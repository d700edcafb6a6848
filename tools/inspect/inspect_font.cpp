#include <cstdio>

#include "inspect_commands.h"

namespace morvane {

int inspectFont(int, char**) {
  std::fprintf(stderr, "morvane-inspect font: not built yet\n");
  return 2;
}

}  // namespace morvane
