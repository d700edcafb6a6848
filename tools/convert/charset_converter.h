// The platform's conversion between Unicode characters and the legacy
// double-byte character sets of lesson files: iconv on POSIX systems, the
// Windows code pages on Windows. Callers check the bytes they get against
// what the trainer's readers accept.
#pragma once

#include <memory>
#include <string>

namespace morvane {

enum class LegacyCharset { Gb2312, Big5, EucKr, EucJp };

class CharsetConverter {
 public:
  virtual ~CharsetConverter() = default;
  // The bytes of c in the character set, or "" when it has none.
  virtual std::string encode(char32_t c) = 0;
  // The one character the bytes stand for, or 0.
  virtual char32_t decode(const std::string& bytes) = 0;
};

// Null if the platform cannot convert to this character set.
std::unique_ptr<CharsetConverter> makeCharsetConverter(LegacyCharset charset);

}  // namespace morvane
