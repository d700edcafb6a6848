// The GB, Big5 and EUC-KR readers: one lead range, one or two trail ranges.
#include "lesson/token_readers.h"

namespace morvane {

Token LeadTrailReader::nextToken() {
  uint8_t b;
  Token token;
  if (startToken(b, token)) return token;
  if (!lead_.has(b)) return endData(b);
  uint8_t t;
  if (!readByte(t)) return endData(-1);
  if (trail_.has(t) || otherTrail_.has(t)) {
    doubleByte_ = 1;
    return Token::pair(b, t);
  }
  // A lead byte without a proper trail stands alone; the trail is lost.
  doubleByte_ = 0;
  return Token::single(b);
}

}  // namespace morvane
