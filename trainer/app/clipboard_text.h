// What "Copy Hanzi" and "Copy Reading" put on the clipboard: the cells as the
// lesson stores them (CF_TEXT) and their Unicode form (CF_UNICODETEXT).
#pragma once

#include <cstdint>
#include <string>

#include "lesson/encoding.h"
#include "base/ptr_array.h"

namespace morvane {

// The CF_TEXT block of a CharString: each double-byte cell's two stored
// bytes and each single-byte cell's one byte, in order, then zeros up to
// (cells + 1) x 2 bytes, so at least two zeros end the text.
std::string cellTextBlock(const PtrArray& cells);

// The cells converted from the lesson's encoding, one UTF-16 character per
// cell (no terminating zero); U+FFFD for a cell with no Unicode form.
std::u16string cellUnicodeText(const PtrArray& cells, EncodingCode encoding);

}  // namespace morvane
