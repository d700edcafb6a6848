// morvane-fontbuild: writes the trainer's five HBF fonts, and the licences of
// the fonts they are drawn from, into a data folder.
#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "builder_args.h"
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
  morvane::tools::BuilderArgs args;
  if (!morvane::tools::parseBuilderArgs(argc, argv, {"--unifont", "--uming", "--only"}, args)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  SourcePaths paths;
  paths.unifontDir = args.last("--unifont", paths.unifontDir);
  paths.uming = args.last("--uming", paths.uming);
  const std::vector<std::string> only = args.all("--only");
  const std::string& outDir = args.outDir;
  if (!morvane::tools::createOutDir("morvane-fontbuild", outDir)) return 1;

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
