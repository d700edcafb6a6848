// Square 1-bit glyphs: pixels, the placeholder box, scaling.
#include "glyph_bitmap.h"

namespace morvane::fontbuild {

bool GlyphBitmap::ink(int x, int y) const {
  if (x < 0 || y < 0 || x >= size_ || y >= size_) return false;
  return (bits_[y * stride_ + x / 8] >> (7 - x % 8)) & 1;
}

void GlyphBitmap::setInk(int x, int y) {
  if (x < 0 || y < 0 || x >= size_ || y >= size_) return;
  bits_[y * stride_ + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
}

bool GlyphBitmap::empty() const {
  for (uint8_t b : bits_) {
    if (b) return false;
  }
  return true;
}

GlyphBitmap placeholderGlyph(int size) {
  GlyphBitmap box(size);
  const int lo = size / 8, hi = size - 1 - size / 8;
  for (int i = lo; i <= hi; ++i) {
    box.setInk(i, lo);
    box.setInk(i, hi);
    box.setInk(lo, i);
    box.setInk(hi, i);
  }
  return box;
}

GlyphBitmap scaledGlyph(const GlyphBitmap& glyph, int size) {
  GlyphBitmap out(size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (glyph.ink(x * glyph.size() / size, y * glyph.size() / size)) out.setInk(x, y);
    }
  }
  return out;
}

}  // namespace morvane::fontbuild
