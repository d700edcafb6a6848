// Two-byte codes of a legacy charset to Unicode, through iconv(3).
#pragma once

#include <cstdint>
#include <string>

namespace morvane::fontbuild {

class CodeConverter {
 public:
  CodeConverter() = default;
  ~CodeConverter();
  CodeConverter(const CodeConverter&) = delete;
  CodeConverter& operator=(const CodeConverter&) = delete;

  // Prepares conversion from the charset; false if iconv does not know it.
  bool open(const std::string& charset);
  // The code point of the two bytes as one character, or 0 when they are not
  // exactly one character of the charset.
  uint32_t toUnicode(uint8_t lead, uint8_t trail);

 private:
  void* cd_ = nullptr;
};

}  // namespace morvane::fontbuild
