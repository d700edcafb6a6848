// Where glyphs come from: something that can draw a Unicode character into a
// square glyph of its own size.
#pragma once

#include <cstdint>
#include <memory>

#include "glyph_bitmap.h"

namespace morvane::fontbuild {

class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  // Draws the character into glyph (blank, of the font's size); false when the
  // source has no glyph for it.
  virtual bool draw(uint32_t codePoint, GlyphBitmap& glyph) = 0;
};

}  // namespace morvane::fontbuild
