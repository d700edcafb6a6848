// Conversion between wide strings and UTF-8 for paths and command-line output.
#pragma once

#include <string>

namespace morvane {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}  // namespace morvane
