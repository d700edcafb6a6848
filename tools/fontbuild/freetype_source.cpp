// Monochrome FreeType rendering of outline glyphs into square bitmaps.
#include "freetype_source.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace morvane::fontbuild {

FreeTypeSource::~FreeTypeSource() {
  if (face_) FT_Done_Face(face_);
  if (library_) FT_Done_FreeType(library_);
}

bool FreeTypeSource::open(const std::string& path, int faceIndex, int pixels, std::string& error) {
  if (FT_Init_FreeType(&library_) != 0) {
    error = "cannot start FreeType";
    return false;
  }
  if (FT_New_Face(library_, path.c_str(), faceIndex, &face_) != 0 ||
      FT_Set_Pixel_Sizes(face_, 0, pixels) != 0) {
    error = "cannot open face " + std::to_string(faceIndex) + " of " + path;
    return false;
  }
  baseline_ = pixels * 7 / 8;
  return true;
}

bool FreeTypeSource::draw(uint32_t codePoint, GlyphBitmap& glyph) {
  FT_UInt index = FT_Get_Char_Index(face_, codePoint);
  if (index == 0) return false;
  if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
  const FT_GlyphSlot slot = face_->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return false;
  const int top = baseline_ - slot->bitmap_top;
  for (unsigned y = 0; y < bitmap.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
    for (unsigned x = 0; x < bitmap.width; ++x) {
      if (row[x / 8] >> (7 - x % 8) & 1) {
        glyph.setInk(slot->bitmap_left + static_cast<int>(x), top + static_cast<int>(y));
      }
    }
  }
  return true;
}

}  // namespace morvane::fontbuild
