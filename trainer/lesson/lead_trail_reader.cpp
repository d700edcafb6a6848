// The GB, Big5 and EUC-KR readers: one lead range, one or two trail ranges.
#include "lesson/token_readers.h"

namespace morvane {

Token LeadTrailReader::nextToken() {
  if (ended_) return Token{};
  uint8_t b;
  if (!readByte(b)) return endData(-1);
  if (b >= 0x0A && b <= 0x7E) {
    doubleByte_ = 0;
    return Token::single(b);
  }
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
