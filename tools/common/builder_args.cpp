// Command-line parsing shared by the data builders.
#include "builder_args.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace morvane::tools {

std::string BuilderArgs::last(const std::string& name, const std::string& fallback) const {
  std::string value = fallback;
  for (const auto& [option, given] : options) {
    if (option == name) value = given;
  }
  return value;
}

std::vector<std::string> BuilderArgs::all(const std::string& name) const {
  std::vector<std::string> values;
  for (const auto& [option, given] : options) {
    if (option == name) values.push_back(given);
  }
  return values;
}

bool parseBuilderArgs(int argc, char** argv, const std::vector<std::string>& names,
                      BuilderArgs& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool known = std::find(names.begin(), names.end(), arg) != names.end();
    if (known && i + 1 < argc) {
      args.options.emplace_back(arg, argv[++i]);
    } else if (arg[0] != '-' && args.outDir.empty()) {
      args.outDir = arg;
    } else {
      return false;
    }
  }
  return !args.outDir.empty();
}

bool createOutDir(const char* tool, const std::string& outDir) {
  std::error_code error;
  std::filesystem::create_directories(outDir, error);
  if (error) {
    std::fprintf(stderr, "%s: cannot create %s: %s\n", tool, outDir.c_str(),
                 error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace morvane::tools
