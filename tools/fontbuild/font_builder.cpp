// Writing an HBF description and its bitmap file from glyph sources.
#include "font_builder.h"

#include <cstdio>
#include <fstream>

namespace morvane::fontbuild {

namespace {

std::string hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

int trailCount(const FontRecipe& recipe) {
  int n = 0;
  for (const ByteRange& r : recipe.trails) n += r.last - r.first + 1;
  return n;
}

bool writeFile(const std::string& path, const std::string& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) error = "cannot write " + path;
  return static_cast<bool>(out);
}

}  // namespace

std::string hbfDescription(const FontRecipe& recipe, const std::string& sourceNote) {
  const std::string px = std::to_string(recipe.pixels);
  const int descent = recipe.pixels - recipe.pixels * 7 / 8;
  const std::string box = px + " " + px + " 0 -" + std::to_string(descent) + "\n";
  const int glyphs = (recipe.leads.last - recipe.leads.first + 1) * trailCount(recipe);
  std::string name = recipe.fileName.substr(0, recipe.fileName.rfind('.'));
  std::string text =
      "HBF_START_FONT 1.1\n"
      "HBF_CODE_SCHEME " + recipe.codeScheme + "\n"
      "FONT " + name + "\n"
      "SIZE " + px + " 75 75\n"
      "HBF_BITMAP_BOUNDING_BOX " + box +
      "FONTBOUNDINGBOX " + box +
      "STARTPROPERTIES 2\n"
      "COMMENT " + sourceNote + "\n"
      "FONT_ASCENT " + std::to_string(recipe.pixels - descent) + "\n"
      "FONT_DESCENT " + std::to_string(descent) + "\n"
      "ENDPROPERTIES\n"
      "CHARS " + std::to_string(glyphs) + "\n"
      "HBF_START_BYTE_2_RANGES " + std::to_string(recipe.trails.size()) + "\n";
  for (const ByteRange& r : recipe.trails) {
    text += "HBF_BYTE_2_RANGE " + hex(r.first, 2) + "-" + hex(r.last, 2) + "\n";
  }
  text += "HBF_END_BYTE_2_RANGES\n"
          "HBF_START_CODE_RANGES 1\n"
          "HBF_CODE_RANGE " + hex(recipe.leads.first << 8 | recipe.trails.front().first, 4) + "-" +
          hex(recipe.leads.last << 8 | recipe.trails.back().last, 4) + " " + recipe.bitmapName + " 0\n"
          "HBF_END_CODE_RANGES\n"
          "HBF_END_FONT\n";
  return text;
}

bool buildFont(const FontRecipe& recipe, GlyphSource& primary, GlyphSource* fallback,
               const std::string& outDir, const std::string& sourceNote, BuildCounts& counts,
               std::string& error) {
  CodeConverter converter;
  if (!converter.open(recipe.iconvName)) {
    error = "iconv does not know " + recipe.iconvName;
    return false;
  }
  const GlyphBitmap placeholder = placeholderGlyph(recipe.pixels);
  std::string bitmaps;
  for (int lead = recipe.leads.first; lead <= recipe.leads.last; ++lead) {
    for (const ByteRange& trails : recipe.trails) {
      for (int trail = trails.first; trail <= trails.last; ++trail) {
        uint32_t cp = converter.toUnicode(static_cast<uint8_t>(lead + recipe.codeOffset),
                                          static_cast<uint8_t>(trail + recipe.codeOffset));
        GlyphBitmap glyph(recipe.pixels);
        GlyphBitmap second(recipe.pixels);
        if (cp != 0 && primary.draw(cp, glyph)) {
          ++counts.fromPrimary;
        } else if (cp != 0 && fallback && fallback->draw(cp, second)) {
          glyph = second;
          ++counts.fromFallback;
        } else {
          glyph = placeholder;
          ++counts.placeholders;
        }
        bitmaps.append(glyph.bytes().begin(), glyph.bytes().end());
        ++counts.glyphs;
      }
    }
  }
  const std::string folder = outDir.empty() || outDir.back() == '/' ? outDir : outDir + "/";
  return writeFile(folder + recipe.bitmapName, bitmaps, error) &&
         writeFile(folder + recipe.fileName, hbfDescription(recipe, sourceNote), error);
}

}  // namespace morvane::fontbuild
