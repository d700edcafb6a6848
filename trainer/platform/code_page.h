// Decoding one character of a Windows code page (936, 949, 950, 20932), for
// the Unicode form of lesson text on the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane {

// The UTF-16 text of the n bytes in code page `codePage`; empty when they are
// not valid there or the code page is unknown.
std::u16string decodeCodePage(uint32_t codePage, const uint8_t* bytes, size_t n);

}  // namespace morvane
