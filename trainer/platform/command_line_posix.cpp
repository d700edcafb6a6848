// Command-line arguments on POSIX systems: already UTF-8.
#include "command_line.h"

namespace morvane {

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace morvane
