// Which sources draw which font, opened once and shared between fonts.
#include "font_sources.h"

namespace morvane::fontbuild {

namespace {

// Faces of uming.ttc: 0 "AR PL UMing CN", 2 "AR PL UMing TW".
constexpr int kUmingSimplifiedFace = 0;
constexpr int kUmingTraditionalFace = 2;

}  // namespace

UnifontSource* FontSources::unifont(bool japanese, std::string& error) {
  std::unique_ptr<UnifontSource>& slot = japanese ? unifontJp_ : unifont_;
  if (!slot) {
    auto source = std::make_unique<UnifontSource>();
    std::vector<std::string> files;
    if (japanese) files.push_back(paths_.unifontDir + "/unifont_jp.hex");
    files.push_back(paths_.unifontDir + "/unifont.hex");
    if (!source->load(files, error)) return nullptr;
    slot = std::move(source);
  }
  return slot.get();
}

FreeTypeSource* FontSources::uming(bool traditional, int pixels, std::string& error) {
  std::unique_ptr<FreeTypeSource>& slot = traditional ? umingTw_ : umingCn_;
  if (!slot) {
    auto source = std::make_unique<FreeTypeSource>();
    int face = traditional ? kUmingTraditionalFace : kUmingSimplifiedFace;
    if (!source->open(paths_.uming, face, pixels, error)) return nullptr;
    slot = std::move(source);
  }
  return slot.get();
}

bool FontSources::sourcesFor(const FontRecipe& recipe, GlyphSource*& primary, GlyphSource*& fallback,
                             std::string& note, std::string& error) {
  fallback = nullptr;
  switch (recipe.source) {
    case Source::Unifont:
    case Source::UnifontJapanese:
      primary = unifont(recipe.source == Source::UnifontJapanese, error);
      note = "Glyphs from GNU Unifont (GPL-2+); see unifont-copyright.txt";
      return primary != nullptr;
    case Source::UmingSimplified:
    case Source::UmingTraditional:
      primary = uming(recipe.source == Source::UmingTraditional, recipe.pixels, error);
      // Characters UMing lacks (Hangul, some symbols) come from Unifont, enlarged.
      fallback = primary ? unifont(false, error) : nullptr;
      note = "Glyphs from AR PL UMing (Arphic Public License) and GNU Unifont; see "
             "arphic-uming-copyright.txt and unifont-copyright.txt";
      return primary != nullptr && fallback != nullptr;
  }
  return false;
}

}  // namespace morvane::fontbuild
