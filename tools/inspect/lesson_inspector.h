// The "lesson" subcommand of morvane-inspect, callable with any streams.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morvane {

// args: [--json] FILE... (UTF-8 paths). Reads the files as one lesson set the
// way Multi-Open does, each with its progress file (path + ".st"), and writes
// the report to out. Returns 0, 1 if a file cannot be opened (nothing is
// written to out), or 2 for a usage error.
int runLessonInspector(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err);

}  // namespace morvane
