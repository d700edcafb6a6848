// morvane-fontbuild: writes the trainer's five HBF fonts, and the licences of
// the fonts they are drawn from, into a data folder.
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "font_builder.h"
#include "font_sources.h"

namespace {

using namespace morvane::fontbuild;

const char* const kUsage =
    "usage: morvane-fontbuild [--unifont DIR] [--uming FILE] [--only NAME.hbf]... OUTDIR\n";

struct Licence {
  const char* from;
  const char* to;
};

const Licence kLicences[] = {
    {"/usr/share/doc/unifont/copyright", "unifont-copyright.txt"},
    {"/usr/share/doc/fonts-arphic-uming/copyright", "arphic-uming-copyright.txt"},
};

bool copyLicences(const std::filesystem::path& outDir) {
  for (const Licence& l : kLicences) {
    std::error_code error;
    std::filesystem::copy_file(l.from, outDir / l.to,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
      std::fprintf(stderr, "morvane-fontbuild: cannot copy %s: %s\n", l.from,
                   error.message().c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  SourcePaths paths;
  std::vector<std::string> only;
  std::string outDir;
  for (int i = 1; i < argc; ++i) {
    bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--unifont") == 0 && hasValue) {
      paths.unifontDir = argv[++i];
    } else if (std::strcmp(argv[i], "--uming") == 0 && hasValue) {
      paths.uming = argv[++i];
    } else if (std::strcmp(argv[i], "--only") == 0 && hasValue) {
      only.push_back(argv[++i]);
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
  std::error_code made;
  std::filesystem::create_directories(outDir, made);
  if (made) {
    std::fprintf(stderr, "morvane-fontbuild: cannot create %s: %s\n", outDir.c_str(),
                 made.message().c_str());
    return 1;
  }

  FontSources sources(paths);
  int built = 0;
  for (const FontRecipe& recipe : trainerFonts()) {
    if (!only.empty() && std::find(only.begin(), only.end(), recipe.fileName) == only.end()) continue;
    GlyphSource* primary = nullptr;
    GlyphSource* fallback = nullptr;
    std::string note, error;
    BuildCounts counts;
    if (!sources.sourcesFor(recipe, primary, fallback, note, error) ||
        !buildFont(recipe, *primary, fallback, outDir, note, counts, error)) {
      std::fprintf(stderr, "morvane-fontbuild: %s: %s\n", recipe.fileName.c_str(), error.c_str());
      return 1;
    }
    std::printf("%-13s %5d codes: %5d drawn, %4d from the fallback, %5d placeholder boxes\n",
                recipe.fileName.c_str(), counts.glyphs, counts.fromPrimary, counts.fromFallback,
                counts.placeholders);
    ++built;
  }
  if (built == 0) {
    std::fprintf(stderr, "morvane-fontbuild: no font of that name\n");
    return 2;
  }
  return copyLicences(outDir) ? 0 : 1;
}
