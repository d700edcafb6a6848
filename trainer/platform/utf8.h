// Conversion between wide strings and UTF-8 for paths and command-line output,
// and between UTF-8 and code points for tools that work on Unicode text.
#pragma once

#include <string>

namespace morvane {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

// Malformed sequences become U+FFFD, one per bad byte.
std::u32string codePointsFromUtf8(const std::string& text);
std::string utf8FromCodePoints(const std::u32string& text);

}  // namespace morvane
