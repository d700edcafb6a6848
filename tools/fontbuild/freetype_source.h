// Glyphs rendered by FreeType from an outline font, in monochrome.
#pragma once

#include <string>

#include "glyph_source.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace morvane::fontbuild {

class FreeTypeSource : public GlyphSource {
 public:
  FreeTypeSource() = default;
  ~FreeTypeSource() override;
  FreeTypeSource(const FreeTypeSource&) = delete;
  FreeTypeSource& operator=(const FreeTypeSource&) = delete;

  // Opens face `faceIndex` of the font file for glyphs of `pixels` pixels.
  bool open(const std::string& path, int faceIndex, int pixels, std::string& error);
  // Draws the character with its baseline at seven eighths of the glyph, as
  // an ideographic em box sits: ideographs fill the square.
  bool draw(uint32_t codePoint, GlyphBitmap& glyph) override;

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  int baseline_ = 0;
};

}  // namespace morvane::fontbuild
