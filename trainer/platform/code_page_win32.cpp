// Code page decoding through MultiByteToWideChar.
#include <windows.h>

#include "platform/code_page.h"

namespace morvane {

std::u16string decodeCodePage(uint32_t codePage, const uint8_t* bytes, size_t n) {
  if (n == 0 || n > 16) return {};
  wchar_t wide[16];
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS,
                                         reinterpret_cast<const char*>(bytes),
                                         static_cast<int>(n), wide, 16);
  if (length <= 0) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(wide), length);
}

}  // namespace morvane
