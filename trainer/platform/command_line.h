// Command-line arguments as UTF-8 on every platform, for the tools.
#pragma once

#include <string>
#include <vector>

namespace morvane {

// The last argc of the program's arguments (argv as main received it). On
// Windows they come from the wide command line, since main()'s arguments are
// in the ANSI code page, which cannot name every file.
std::vector<std::string> utf8Arguments(int argc, char** argv);

}  // namespace morvane
