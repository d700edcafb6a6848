// UTF-8 conversions, strict about malformed input.
#include "utf8.h"

#include <cstdint>

namespace morvane {

namespace {

void appendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void appendWide(std::wstring& out, uint32_t c) {
  if (sizeof(wchar_t) == 2 && c >= 0x10000) {
    c -= 0x10000;
    out += static_cast<wchar_t>(0xD800 | (c >> 10));
    out += static_cast<wchar_t>(0xDC00 | (c & 0x3FF));
  } else {
    out += static_cast<wchar_t>(c);
  }
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = static_cast<uint32_t>(text[i]);
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      uint32_t low = static_cast<uint32_t>(text[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
    appendUtf8(out, c);
  }
  return out;
}

std::wstring fromUtf8(const std::string& text) {
  std::wstring out;
  for (char32_t c : codePointsFromUtf8(text)) appendWide(out, c);
  return out;
}

std::u32string codePointsFromUtf8(const std::string& text) {
  std::u32string out;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    uint32_t c;
    size_t extra;
    if (b < 0x80) {
      c = b, extra = 0;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F, extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F, extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07, extra = 3;
    } else {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    if (extra > text.size() - i - 1) {
      out += U'\uFFFD';
      break;
    }
    bool ok = true;
    for (size_t k = 1; k <= extra; ++k) {
      unsigned char t = static_cast<unsigned char>(text[i + k]);
      if ((t & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (t & 0x3F);
    }
    if (!ok || c > 0x10FFFF) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += static_cast<char32_t>(c);
    i += extra + 1;
  }
  return out;
}

std::string utf8FromCodePoints(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) {
    uint32_t v = static_cast<uint32_t>(c);
    if (v > 0x10FFFF || (v >= 0xD800 && v < 0xE000)) v = 0xFFFD;
    appendUtf8(out, v);
  }
  return out;
}

}  // namespace morvane
