// JSON text shared by the inspector's reports.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// Lower-case hexadecimal digits, as the reports write codes and escapes.
inline constexpr char kHexDigits[] = "0123456789abcdef";

// One byte of UTF-8 text as a JSON string holds it, at `at`: quotes,
// backslashes and control bytes escaped. Writes six bytes at most; returns
// the end.
inline char* putJsonByte(char* at, uint8_t b) {
  if (b == '"' || b == '\\') {
    *at++ = '\\';
    *at++ = static_cast<char>(b);
  } else if (b < 0x20) {
    const char escape[] = {'\\', 'u', '0', '0', kHexDigits[b >> 4], kHexDigits[b & 0xF]};
    for (char c : escape) *at++ = c;
  } else {
    *at++ = static_cast<char>(b);
  }
  return at;
}

// utf8 as a quoted JSON string.
std::string jsonString(const std::string& utf8);

}  // namespace morvane
