// Writes one HBF font (description and bitmap file) from glyph sources.
#pragma once

#include <string>

#include "code_converter.h"
#include "font_recipes.h"
#include "glyph_source.h"

namespace morvane::fontbuild {

struct BuildCounts {
  int glyphs = 0;        // codes written
  int fromPrimary = 0;   // drawn by the main source
  int fromFallback = 0;  // drawn by the fallback source
  int placeholders = 0;  // no character, or no glyph for it
};

// The description text of a font whose bitmap file holds every code of the
// recipe's code space, in glyph-index order from offset 0.
std::string hbfDescription(const FontRecipe& recipe, const std::string& sourceNote);

// Draws every code of the recipe into outDir/recipe.bitmapName and writes
// outDir/recipe.fileName. fallback may be none. False with error set on failure.
bool buildFont(const FontRecipe& recipe, GlyphSource& primary, GlyphSource* fallback,
               const std::string& outDir, const std::string& sourceNote, BuildCounts& counts,
               std::string& error);

}  // namespace morvane::fontbuild
