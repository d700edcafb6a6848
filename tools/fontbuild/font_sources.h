// The glyph sources of the five fonts, opened on first use and shared:
// GNU Unifont (16 px, Japanese forms for JIS) and AR PL UMing (24 px).
#pragma once

#include <memory>
#include <string>

#include "font_recipes.h"
#include "freetype_source.h"
#include "unifont_source.h"

namespace morvane::fontbuild {

struct SourcePaths {
  std::string unifontDir = "/usr/share/unifont";
  std::string uming = "/usr/share/fonts/truetype/arphic/uming.ttc";
};

class FontSources {
 public:
  explicit FontSources(SourcePaths paths) : paths_(std::move(paths)) {}

  // The main and fallback sources of a font (fallback may be none), and a
  // note naming them for the description; false with error set.
  bool sourcesFor(const FontRecipe& recipe, GlyphSource*& primary, GlyphSource*& fallback,
                  std::string& note, std::string& error);

 private:
  UnifontSource* unifont(bool japanese, std::string& error);
  FreeTypeSource* uming(bool traditional, int pixels, std::string& error);

  SourcePaths paths_;
  std::unique_ptr<UnifontSource> unifont_, unifontJp_;
  std::unique_ptr<FreeTypeSource> umingCn_, umingTw_;
};

}  // namespace morvane::fontbuild
