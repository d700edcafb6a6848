// Glyphs from GNU Unifont's .hex files (16 pixels high; 8 or 16 wide).
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "glyph_source.h"

namespace morvane::fontbuild {

class UnifontSource : public GlyphSource {
 public:
  // Loads the files in order; a character found in an earlier file wins.
  // False (with `error` set) when a file cannot be read.
  bool load(const std::vector<std::string>& hexFiles, std::string& error);
  // Draws into a 16-pixel glyph, half-width glyphs centred; into other sizes
  // scaled.
  bool draw(uint32_t codePoint, GlyphBitmap& glyph) override;

 private:
  std::unordered_map<uint32_t, std::string> hex_;
};

}  // namespace morvane::fontbuild
