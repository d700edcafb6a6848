// Reading GNU Unifont .hex files (code:hex digits, one glyph a line).
#include "unifont_source.h"

#include <fstream>

namespace morvane::fontbuild {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool UnifontSource::load(const std::vector<std::string>& hexFiles, std::string& error) {
  for (const std::string& path : hexFiles) {
    std::ifstream in(path);
    if (!in) {
      error = "cannot read " + path;
      return false;
    }
    std::string line;
    while (std::getline(in, line)) {
      size_t colon = line.find(':');
      if (colon == std::string::npos || colon == 0 || colon > 6) continue;
      uint32_t cp = 0;
      bool valid = true;
      for (size_t i = 0; i < colon; ++i) {
        int v = hexDigit(line[i]);
        valid = valid && v >= 0;
        cp = cp * 16 + static_cast<uint32_t>(v < 0 ? 0 : v);
      }
      if (!valid) continue;
      std::string bits = line.substr(colon + 1);
      while (!bits.empty() && (bits.back() == '\r' || bits.back() == ' ')) bits.pop_back();
      if (bits.size() != 32 && bits.size() != 64) continue;
      hex_.emplace(cp, bits);  // keeps an earlier file's glyph
    }
  }
  return true;
}

bool UnifontSource::draw(uint32_t codePoint, GlyphBitmap& glyph) {
  auto found = hex_.find(codePoint);
  if (found == hex_.end()) return false;
  const std::string& bits = found->second;
  const int width = bits.size() == 64 ? 16 : 8;
  const int left = (16 - width) / 2;
  GlyphBitmap natural(16);
  const int digitsPerRow = width / 4;
  for (int y = 0; y < 16; ++y) {
    for (int d = 0; d < digitsPerRow; ++d) {
      int v = hexDigit(bits[y * digitsPerRow + d]);
      if (v < 0) return false;
      for (int b = 0; b < 4; ++b) {
        if (v >> (3 - b) & 1) natural.setInk(left + d * 4 + b, y);
      }
    }
  }
  glyph = natural.size() == glyph.size() ? natural : scaledGlyph(natural, glyph.size());
  return true;
}

}  // namespace morvane::fontbuild
