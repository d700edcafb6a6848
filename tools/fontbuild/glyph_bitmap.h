// A square glyph as the bitmap files store it: rows top first, leftmost pixel
// in the most significant bit, ink as 1 bits.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane::fontbuild {

class GlyphBitmap {
 public:
  explicit GlyphBitmap(int size) : size_(size), stride_((size + 7) / 8), bits_(stride_ * size) {}

  int size() const { return size_; }
  bool ink(int x, int y) const;
  // Sets the pixel; points outside the square are ignored (clipping).
  void setInk(int x, int y);
  bool empty() const;
  const std::vector<uint8_t>& bytes() const { return bits_; }

 private:
  int size_;
  int stride_;
  std::vector<uint8_t> bits_;
};

// The glyph of a code that has none in the sources: a hollow box, so a missing
// character is visible rather than blank.
GlyphBitmap placeholderGlyph(int size);

// Nearest-neighbour scaling of a glyph to another size.
GlyphBitmap scaledGlyph(const GlyphBitmap& glyph, int size);

}  // namespace morvane::fontbuild
