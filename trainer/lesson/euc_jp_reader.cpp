// The EUC-JP reader: JIS X 0208 characters folded to 7-bit row and cell.
#include "lesson/token_readers.h"

namespace morvane {

Token EucJpReader::nextToken() {
  uint8_t b;
  Token token;
  if (startToken(b, token)) return token;
  if (b >= 0xA0) {
    uint8_t t;
    if (!readByte(t)) return endData(-1);
    if (t >= 0xA0) {
      doubleByte_ = 1;
      return Token::pair(static_cast<uint8_t>(b - 0x80), static_cast<uint8_t>(t - 0x80));
    }
    doubleByte_ = 0;
    return Token::single(b);
  }
  if (b == 0x8F) {
    doubleByte_ = 0;
    return Token::single(b);
  }
  if (b == 0x8E) {
    // Half-width katakana (a second byte of 0xA0 or above) ends the data.
    uint8_t c;
    if (!readByte(c)) return endData(-1);
    if (c >= 0xA0) return endData(c);
    doubleByte_ = 0;
    return Token::single(c);
  }
  return endData(b);
}

}  // namespace morvane
