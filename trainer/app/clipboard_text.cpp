// Clipboard forms of lesson text.
#include "app/clipboard_text.h"

#include "lesson/char_token.h"
#include "platform/code_page.h"

namespace morvane {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

const CharToken& cellAt(const PtrArray& cells, int32_t i) {
  return *static_cast<const CharToken*>(cells.At(i));
}

bool isJisFamily(EncodingCode encoding) {
  return encoding == EncodingCode::EucJp || encoding == EncodingCode::Iso2022Jp ||
         encoding == EncodingCode::Sjs;
}

// Japanese lessons keep JIS X 0208 row and cell as 7-bit bytes; EUC-JP (code
// page 20932) has them with the high bit set.
uint32_t codePageOf(EncodingCode encoding) {
  switch (encoding) {
    case EncodingCode::Gb: return 936;
    case EncodingCode::Big5: return 950;
    case EncodingCode::EucKr: return 949;
    default: return isJisFamily(encoding) ? 20932 : 0;
  }
}

char16_t singleByteChar(uint8_t byte, EncodingCode encoding) {
  if (byte < 0x80) return byte;
  // Half-width katakana, kept as their JIS X 0201 byte.
  if (isJisFamily(encoding) && byte >= 0xA1 && byte <= 0xDF) {
    return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
  }
  return kReplacement;
}

char16_t doubleByteChar(const CharToken& cell, EncodingCode encoding) {
  const uint8_t high = isJisFamily(encoding) ? 0x80 : 0x00;
  const uint8_t bytes[2] = {static_cast<uint8_t>(cell.first | high),
                            static_cast<uint8_t>(cell.second | high)};
  const std::u16string text = decodeCodePage(codePageOf(encoding), bytes, 2);
  // Codes a standard leaves unassigned come back as private-use characters,
  // which no other program would show as the lesson meant.
  if (text.size() != 1 || (text[0] >= 0xE000 && text[0] <= 0xF8FF)) return kReplacement;
  return text[0];
}

}  // namespace

std::string cellTextBlock(const PtrArray& cells) {
  std::string block(static_cast<size_t>(cells.Count() + 1) * 2, '\0');
  size_t at = 0;
  for (int32_t i = 0; i < cells.Count(); ++i) {
    const CharToken& cell = cellAt(cells, i);
    // A zero first byte marks a single-byte cell; copying it would end the text.
    if (cell.first != 0) block[at++] = static_cast<char>(cell.first);
    block[at++] = static_cast<char>(cell.second);
  }
  return block;
}

std::u16string cellUnicodeText(const PtrArray& cells, EncodingCode encoding) {
  std::u16string text;
  for (int32_t i = 0; i < cells.Count(); ++i) {
    const CharToken& cell = cellAt(cells, i);
    text.push_back(cell.first == 0 ? singleByteChar(cell.second, encoding)
                                   : doubleByteChar(cell, encoding));
  }
  return text;
}

}  // namespace morvane
