// Character classes and trimming for the converter.
#include "unicode_text.h"

#include <cstdio>

#include "platform/utf8.h"

namespace morvane {

bool isSpaceChar(char32_t c) {
  return c == U' ' || (c >= U'\t' && c <= U'\r') || c == U'\u0085' || c == U'\u00A0' ||
         c == U'\u1680' || (c >= U'\u2000' && c <= U'\u200A') || c == U'\u2028' || c == U'\u2029' ||
         c == U'\u202F' || c == U'\u205F' || c == U'\u3000';
}

bool isCjkChar(char32_t c) {
  return (c >= 0x1100 && c <= 0x11FF) ||  // Hangul jamo
         (c >= 0x2E80 && c <= 0x2FDF) ||  // radicals
         (c >= 0x3005 && c <= 0x3007) ||  // iteration mark, ideographic zero
         (c >= 0x3021 && c <= 0x3029) ||  // Hangzhou numerals
         (c >= 0x3040 && c <= 0x30FF) ||  // kana
         (c >= 0x3100 && c <= 0x31FF) ||  // bopomofo, kana extensions
         (c >= 0x3400 && c <= 0x4DBF) ||  // extension A
         (c >= 0x4E00 && c <= 0x9FFF) ||  // unified ideographs
         (c >= 0xAC00 && c <= 0xD7AF) ||  // Hangul syllables
         (c >= 0xF900 && c <= 0xFAFF) ||  // compatibility ideographs
         (c >= 0xFF66 && c <= 0xFF9F) ||  // half-width kana
         (c >= 0x20000 && c <= 0x3FFFF);  // supplementary ideographs
}

std::u32string trimmed(const std::u32string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isSpaceChar(text[begin])) ++begin;
  while (end > begin && isSpaceChar(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string describeChar(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  std::string text = code;
  if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !isSpaceChar(c)) {
    text += " \"" + utf8FromCodePoints(std::u32string(1, c)) + "\"";
  }
  return text;
}

}  // namespace morvane
