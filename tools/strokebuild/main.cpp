// morvane-strokebuild: writes the trainer's stroke and feedback databases for
// every GB 2312 Hanzi and every Big5 Hanzi the stroke data has, and the
// stroke data's licence, into a data folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "builder_args.h"
#include "stroke_databases.h"

namespace {

const char* const kUsage = "usage: morvane-strokebuild [--source DIR] OUTDIR\n";
const char* const kLicenceFile = "ARPHICPL.TXT";
const char* const kLicenceCopy = "hanzi-writer-data-ARPHICPL.txt";

// One character set's databases; prints what was built and what the source
// lacks. False when the build failed (after saying why).
bool buildSet(const std::string& sourceDir, const std::string& outDir, const char* setName,
              const std::vector<morvane::strokebuild::HanziCode>& hanzi,
              const morvane::StrokeDatabases& names) {
  morvane::strokebuild::BuildSummary summary;
  std::string message;
  if (!morvane::strokebuild::buildStrokeDatabases(sourceDir, outDir, hanzi, names, summary,
                                                  message)) {
    std::fprintf(stderr, "morvane-strokebuild: %s: %s\n", setName, message.c_str());
    return false;
  }
  std::printf("%s: %d characters in %ls, %ls and %ls\n", setName, summary.characters, names.small,
              names.large, names.feedback);
  if (!summary.missing.empty()) {
    std::string list;
    for (const std::string& c : summary.missing) list += c;
    std::fprintf(stderr, "morvane-strokebuild: %s: %zu characters not in the stroke data: %s\n",
                 setName, summary.missing.size(), list.c_str());
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  morvane::tools::BuilderArgs args;
  if (!morvane::tools::parseBuilderArgs(argc, argv, {"--source"}, args)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string sourceDir = args.last("--source", MORVANE_STROKE_SOURCE);
  const std::string& outDir = args.outDir;
  if (!morvane::tools::createOutDir("morvane-strokebuild", outDir)) return 1;

  if (!buildSet(sourceDir, outDir, "GB 2312", morvane::strokebuild::gb2312Hanzi(),
                morvane::kSimplifiedDatabases) ||
      !buildSet(sourceDir, outDir, "Big5", morvane::strokebuild::big5Hanzi(),
                morvane::kTraditionalDatabases)) {
    return 1;
  }

  std::error_code error;
  std::filesystem::copy_file(std::filesystem::path(sourceDir) / kLicenceFile,
                             std::filesystem::path(outDir) / kLicenceCopy,
                             std::filesystem::copy_options::overwrite_existing, error);
  if (error) {
    std::fprintf(stderr, "morvane-strokebuild: cannot copy the licence %s: %s\n", kLicenceFile,
                 error.message().c_str());
    return 1;
  }
  return 0;
}
