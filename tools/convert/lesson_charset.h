// The characters a lesson file of one encoding can hold as double-byte
// characters, in the form the trainer's reader delivers them.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "charset_converter.h"
#include "lesson/char_token.h"
#include "lesson/encoding.h"

namespace morvane {

class LessonCharset {
 public:
  // EncodingCode::Unicode has no charset: valid() is then false.
  explicit LessonCharset(EncodingCode code);

  bool valid() const { return converter_ != nullptr; }
  EncodingCode code() const { return code_; }
  // "GB 2312", "Big5", ... for messages.
  const char* name() const;

  // The double-byte character the reader delivers for c (for the Japanese
  // encodings, JIS row and cell), or false when the encoding has none: the
  // character set lacks it, or its bytes are not a pair the reader accepts.
  bool tokenFor(char32_t c, CharToken& token);
  // The character of a double-byte cell the reader delivered, or 0.
  char32_t charFor(CharToken token);

 private:
  bool acceptedPair(uint8_t lead, uint8_t trail) const;
  CharToken cellOfPair(uint8_t lead, uint8_t trail) const;

  EncodingCode code_;
  std::unique_ptr<CharsetConverter> converter_;
  std::unordered_map<char32_t, uint16_t> tokens_;  // 0: none
};

}  // namespace morvane
