// Which characters each lesson encoding holds, checked against the ranges the
// trainer's readers accept and by converting back.
#include "lesson_charset.h"

namespace morvane {

namespace {

bool isJapanese(EncodingCode code) {
  return code != EncodingCode::Gb && code != EncodingCode::Big5 && code != EncodingCode::EucKr;
}

LegacyCharset charsetOf(EncodingCode code) {
  switch (code) {
    case EncodingCode::Gb:
      return LegacyCharset::Gb2312;
    case EncodingCode::Big5:
      return LegacyCharset::Big5;
    case EncodingCode::EucKr:
      return LegacyCharset::EucKr;
    default:
      return LegacyCharset::EucJp;
  }
}

bool inRange(uint8_t b, uint8_t low, uint8_t high) { return b >= low && b <= high; }

// Code page 936 is GBK: these pairs inside the GB 2312 rows are GBK's own.
bool isGbkAddition(uint8_t lead, uint8_t trail) {
  return (lead == 0xA2 && trail <= 0xAA) || (lead == 0xA6 && trail >= 0xE0 && trail <= 0xF5) ||
         (lead == 0xA8 && trail >= 0xBB && trail <= 0xC0);
}

}  // namespace

LessonCharset::LessonCharset(EncodingCode code) : code_(code) {
  if (code != EncodingCode::Unicode) converter_ = makeCharsetConverter(charsetOf(code));
}

const char* LessonCharset::name() const { return encodingName(code_); }

bool LessonCharset::acceptedPair(uint8_t lead, uint8_t trail) const {
  switch (code_) {
    case EncodingCode::Gb:
      return (inRange(lead, 0xA1, 0xA9) || inRange(lead, 0xB0, 0xF7)) &&
             inRange(trail, 0xA1, 0xFE) && !isGbkAddition(lead, trail);
    case EncodingCode::Big5:
      return inRange(lead, 0xA1, 0xF9) &&
             (inRange(trail, 0x40, 0x7E) || inRange(trail, 0xA1, 0xFE));
    default:  // EUC-KR and JIS X 0208 in EUC form
      return inRange(lead, 0xA1, 0xFE) && inRange(trail, 0xA1, 0xFE);
  }
}

CharToken LessonCharset::cellOfPair(uint8_t lead, uint8_t trail) const {
  if (isJapanese(code_))
    return {static_cast<uint8_t>(lead & 0x7F), static_cast<uint8_t>(trail & 0x7F)};
  return {lead, trail};
}

bool LessonCharset::tokenFor(char32_t c, CharToken& token) {
  if (!converter_) return false;
  auto found = tokens_.find(c);
  if (found == tokens_.end()) {
    uint16_t code = 0;
    std::string bytes = converter_->encode(c);
    if (bytes.size() == 2) {
      auto lead = static_cast<uint8_t>(bytes[0]);
      auto trail = static_cast<uint8_t>(bytes[1]);
      // Converting back guards against a "best fit" that is another character.
      if (acceptedPair(lead, trail) && converter_->decode(bytes) == c) {
        code = cellOfPair(lead, trail).code();
      }
    }
    found = tokens_.emplace(c, code).first;
  }
  if (found->second == 0) return false;
  token = {static_cast<uint8_t>(found->second >> 8), static_cast<uint8_t>(found->second)};
  return true;
}

char32_t LessonCharset::charFor(CharToken token) {
  if (!converter_ || token.first == 0) return 0;
  uint8_t lead = token.first;
  uint8_t trail = token.second;
  if (isJapanese(code_)) {
    lead |= 0x80;
    trail |= 0x80;
  }
  if (!acceptedPair(lead, trail)) return 0;
  return converter_->decode(std::string{static_cast<char>(lead), static_cast<char>(trail)});
}

}  // namespace morvane
