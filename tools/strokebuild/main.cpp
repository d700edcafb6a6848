// morvane-strokebuild: writes the trainer's stroke and feedback databases for
// every GB 2312 Hanzi, and the stroke data's licence, into a data folder.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "stroke_databases.h"

namespace {

const char* const kUsage = "usage: morvane-strokebuild [--source DIR] OUTDIR\n";
const char* const kLicenceFile = "ARPHICPL.TXT";
const char* const kLicenceCopy = "hanzi-writer-data-ARPHICPL.txt";

}  // namespace

int main(int argc, char** argv) {
  std::string sourceDir = MORVANE_STROKE_SOURCE;
  std::string outDir;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--source") == 0 && i + 1 < argc) {
      sourceDir = argv[++i];
    } else if (argv[i][0] != '-' && outDir.empty()) {
      outDir = argv[i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (outDir.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(outDir, error);
  if (error) {
    std::fprintf(stderr, "morvane-strokebuild: cannot create %s: %s\n", outDir.c_str(),
                 error.message().c_str());
    return 1;
  }

  morvane::strokebuild::BuildSummary summary;
  std::string message;
  if (!morvane::strokebuild::buildStrokeDatabases(sourceDir, outDir, summary, message)) {
    std::fprintf(stderr, "morvane-strokebuild: %s\n", message.c_str());
    return 1;
  }
  std::printf("%d characters in strokeschs, lgstrokeschs and feedbkchs\n", summary.characters);
  if (!summary.missing.empty()) {
    std::string list;
    for (const std::string& c : summary.missing) list += c;
    std::fprintf(stderr, "morvane-strokebuild: %zu characters not in the stroke data: %s\n",
                 summary.missing.size(), list.c_str());
  }

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
