// The arguments of morvane-convert, callable with any stream for tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morvane {

// args: the arguments after the program name (UTF-8). Returns the exit
// status: 0, 1 for a failed conversion, 2 for a usage error.
int runConvert(const std::vector<std::string>& args, std::ostream& err);

}  // namespace morvane
