// The data builders' command line, "[--NAME VALUE]... OUTDIR", and their
// output folder.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace morvane::tools {

struct BuilderArgs {
  std::vector<std::pair<std::string, std::string>> options;  // (name with "--", value), in order
  std::string outDir;

  // The last value given for name, or fallback.
  std::string last(const std::string& name, const std::string& fallback) const;
  // Every value given for name, in order.
  std::vector<std::string> all(const std::string& name) const;
};

// Parses the arguments after the program name; each of `names` takes one
// value. False for anything else or a missing OUTDIR.
bool parseBuilderArgs(int argc, char** argv, const std::vector<std::string>& names,
                      BuilderArgs& args);

// Creates the output folder; false after telling standard error why.
bool createOutDir(const char* tool, const std::string& outDir);

}  // namespace morvane::tools
