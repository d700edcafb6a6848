// HbfFont: glyph index arithmetic and reading glyphs from the bitmap files.
#include <chrono>
#include <cstring>
#include <new>
#include <thread>

#include "ui/hbf_font.h"
#include "ui/hbf_text.h"

namespace morvane {

uint32_t storedGlyphBytes(const HbfBox& box, bool transposed) {
  return transposed ? box.width * ((box.height + 7u) / 8u) : box.height * ((box.width + 7u) / 8u);
}

uint32_t HbfFont::GlyphBytes() const { return storedGlyphBytes(bitmapBox, false); }

uint32_t HbfFont::Byte2Position(uint8_t low) const {
  uint32_t before = 0;
  for (const HbfByte2Range& r : byte2Ranges) {
    if (low >= r.first && low <= r.last) return before + (low - r.first);
    before += r.last - r.first + 1u;
  }
  return kNoPosition;
}

uint32_t HbfFont::GlyphIndex(uint16_t code) const {
  return byte2Count * (code >> 8) + Byte2Position(code & 0xFF);
}

uint32_t HbfFont::CodeOfIndex(uint32_t index) const {
  if (byte2Count == 0) return 0;
  uint32_t row = index / byte2Count;
  uint32_t rest = index % byte2Count;
  for (const HbfByte2Range& r : byte2Ranges) {
    uint32_t size = r.last - r.first + 1u;
    if (rest < size) return row * 256 + rest + r.first;
    rest -= size;
  }
  return 0;
}

uint8_t* HbfFont::failCode(const wchar_t* what, uint16_t code) {
  report(std::wstring(what) + L" on code " + hexNumber(code));
  return nullptr;
}

uint8_t* HbfFont::GetBitmap(uint16_t code, uint8_t* buffer) {
  if (Byte2Position(code & 0xFF) == kNoPosition) return nullptr;
  const HbfCodeRange* range = nullptr;
  for (const HbfCodeRange& r : codeRanges) {
    if (r.first <= code && code <= r.last) range = &r;
  }
  if (!range) {
    report(L"code " + hexNumber(code) + L" out of range");
    return nullptr;
  }
  uint64_t position = range->offset + uint64_t{GlyphIndex(code) - range->baseIndex} *
                                          storedGlyphBytes(bitmapBox, range->transposed);
  const uint32_t bytes = GlyphBytes();
  if (!buffer) {
    if (!glyphBuffer) glyphBuffer.reset(new (std::nothrow) uint8_t[bytes]);
    if (!glyphBuffer) {
      report(L"out of memory");
      return nullptr;
    }
    buffer = glyphBuffer.get();
  }
  File& file = *range->file->handle;
  if (!file.seekTo(position)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    if (!file.seekTo(position)) return failCode(L"seek error", code);
  }
  if (!range->transposed) {
    if (file.read(buffer, bytes) != bytes) return failCode(L"read error", code);
  } else {
    const uint32_t width = bitmapBox.width, height = bitmapBox.height;
    const uint32_t stride = (width + 7) / 8;
    std::memset(buffer, 0, bytes);
    for (uint32_t column = 0; column < width; ++column) {
      uint32_t row = 0;
      while (row < height) {
        uint8_t byte;
        if (file.read(&byte, 1) != 1) return failCode(L"read error", code);
        for (int bit = 7; bit >= 0 && row < height; --bit, ++row) {
          if (byte >> bit & 1) buffer[row * stride + column / 8] |= 0x80 >> (column % 8);
        }
      }
    }
  }
  if (!range->inverted) {
    for (uint32_t i = 0; i < bytes; ++i) buffer[i] = static_cast<uint8_t>(~buffer[i]);
  }
  return buffer;
}

int HbfFont::ReadGlyph(uint16_t code, uint8_t* buffer) {
  return GetBitmap(code, buffer) ? 0 : -1;
}

}  // namespace morvane
