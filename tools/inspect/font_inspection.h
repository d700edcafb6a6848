// The inspector's view of an HBF font: parsed as the trainer parses it, with
// its boxes and ranges, or the message the trainer would show; glyphs drawn
// as rows of "#" (ink) and "." (background).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct FontInspectionResult {
  std::string output;  // what goes to standard output
  int status = 0;      // 0 success, 1 a font or glyph failure
};

// Parses a code argument of four hexadecimal digits; false if it is not one.
bool parseGlyphCode(const std::string& text, uint16_t& code);

FontInspectionResult inspectFontFile(const std::string& path, const std::vector<uint16_t>& codes,
                                     bool json);

}  // namespace morvane
