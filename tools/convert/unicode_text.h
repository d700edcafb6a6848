// Small facts about Unicode characters that the converter's parsers and
// cleaners share.
#pragma once

#include <string>

namespace morvane {

// Spaces of any width, TAB, line breaks and the no-break space.
bool isSpaceChar(char32_t c);
// Han ideographs, their radicals and symbols, kana, Hangul: text no ASCII
// letter can stand in for.
bool isCjkChar(char32_t c);
// text without spaces (isSpaceChar) at either end.
std::u32string trimmed(const std::u32string& text);
// "U+00E9 é" style name of a character for messages.
std::string describeChar(char32_t c);

}  // namespace morvane
