// HTML to plain text for Anki fields.
#include "html_text.h"

#include <cstdint>

namespace morvane {

namespace {

bool isAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

char32_t lower(char32_t c) { return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c; }

// The lower-case name of the tag that starts at html[start] ("<"), without
// a leading "/".
std::u32string tagName(const std::u32string& html, size_t start) {
  size_t i = start + 1;
  if (i < html.size() && html[i] == U'/') ++i;
  std::u32string name;
  while (i < html.size() && (isAsciiLetter(html[i]) || (html[i] >= U'0' && html[i] <= U'9'))) {
    name += lower(html[i++]);
  }
  return name;
}

bool breaksLine(const std::u32string& name, bool closing) {
  if (name == U"br") return true;
  return closing && (name == U"div" || name == U"p" || name == U"li" || name == U"tr");
}

// The character of a reference such as "amp", "#233" or "#xe9", or 0.
char32_t referencedChar(const std::u32string& name) {
  static const struct {
    const char32_t* name;
    char32_t c;
  } kNamed[] = {{U"amp", U'&'},  {U"lt", U'<'},    {U"gt", U'>'},
                {U"quot", U'"'}, {U"apos", U'\''}, {U"nbsp", U'\u00A0'}};
  for (const auto& named : kNamed) {
    if (name == named.name) return named.c;
  }
  if (name.size() < 2 || name[0] != U'#') return 0;
  bool hex = name[1] == U'x' || name[1] == U'X';
  uint32_t value = 0;
  size_t digits = 0;
  for (size_t i = hex ? 2 : 1; i < name.size(); ++i, ++digits) {
    char32_t c = lower(name[i]);
    uint32_t d;
    if (c >= U'0' && c <= U'9') {
      d = c - U'0';
    } else if (hex && c >= U'a' && c <= U'f') {
      d = c - U'a' + 10;
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + d;
    if (value > 0x10FFFF) return 0;
  }
  if (digits == 0 || value == 0 || (value >= 0xD800 && value < 0xE000)) return 0;
  return static_cast<char32_t>(value);
}

}  // namespace

std::u32string htmlToText(const std::u32string& html) {
  std::u32string text;
  size_t i = 0;
  while (i < html.size()) {
    char32_t c = html[i];
    if (c == U'<' && i + 1 < html.size() &&
        (isAsciiLetter(html[i + 1]) || html[i + 1] == U'/' || html[i + 1] == U'!')) {
      size_t end = html.find(U'>', i);
      if (end != std::u32string::npos) {
        if (breaksLine(tagName(html, i), html[i + 1] == U'/')) text += U'\n';
        i = end + 1;
        continue;
      }
    }
    if (c == U'&') {
      size_t end = html.find(U';', i);
      if (end != std::u32string::npos && end - i <= 10) {
        char32_t ref = referencedChar(html.substr(i + 1, end - i - 1));
        if (ref != 0) {
          text += ref;
          i = end + 1;
          continue;
        }
      }
    }
    text += c;
    ++i;
  }
  return text;
}

}  // namespace morvane
