// The ISO-2022-JP reader's shift-state machine.
#include "lesson/token_readers.h"

namespace morvane {

namespace {

const uint8_t kEsc = 0x1B;
const uint8_t kShiftOut = 0x0E;
const uint8_t kShiftIn = 0x0F;

}  // namespace

bool Iso2022JpReader::readOrEnd(uint8_t& byte) {
  if (readByte(byte)) return true;
  state_ = State::End;
  return false;
}

void Iso2022JpReader::enter(State state, int32_t doubleByte) {
  state_ = state;
  doubleByte_ = doubleByte;
}

// Acts on an escape sequence starting with `byte`; anything that is not one
// of the known sequences drops the rest of its line and keeps the state.
void Iso2022JpReader::handleEscape(uint8_t byte) {
  if (byte != kEsc) return skipLine(byte);
  uint8_t c;
  if (!readOrEnd(c)) return;
  if (c == '$') {
    if (!readOrEnd(c)) return;
    if (c == 'B' || c == '@') return enter(State::Kanji, 1);
    if (c != '(') return skipLine(c);
    if (!readOrEnd(c)) return;
    if (c == 'D') return enter(State::Kanji, 1);
    return skipLine(c);
  }
  if (c == '&') {
    // "&@" ESC "$B": JIS X 0208-1990.
    for (uint8_t expected : {uint8_t('@'), kEsc, uint8_t('$'), uint8_t('B')}) {
      if (!readOrEnd(c)) return;
      if (c != expected) return skipLine(c);
    }
    return enter(State::Kanji, 1);
  }
  if (c == '(') {
    if (!readOrEnd(c)) return;
    if (c == 'B' || c == 'H' || c == 'J') return enter(State::Ascii, 0);
    if (c == 'I') return enter(State::Katakana7, 0);
    return skipLine(c);
  }
  skipLine(c);
}

Token Iso2022JpReader::nextToken() {
  for (;;) {
    uint8_t b;
    switch (state_) {
      case State::End:
        return Token{};
      case State::Ascii:
        if (!readOrEnd(b)) return Token{};
        if (b >= 0x20 && b <= 0x7E) return Token::single(b);
        if (b == kShiftOut) {
          state_ = State::Katakana8;
        } else {
          handleEscape(b);
        }
        break;
      case State::Kanji: {
        if (!readOrEnd(b)) return Token{};
        if (b < 0x21 || b > 0x7E) {
          handleEscape(b);
          break;
        }
        uint8_t t;
        if (!readOrEnd(t)) return Token{};
        if (t >= 0x21 && t <= 0x7E) return Token::pair(b, t);
        skipLine(t);
        break;
      }
      case State::Katakana7:
        if (!readOrEnd(b)) return Token{};
        if (b >= 0x21 && b <= 0x5F) return Token::single(b);
        handleEscape(b);
        break;
      case State::Katakana8:
        if (!readOrEnd(b)) return Token{};
        if (b >= 0xA1 && b <= 0xDF) return Token::single(b);
        if (b == kShiftIn) {
          enter(State::Ascii, 0);
        } else {
          skipLine(b);
        }
        break;
    }
  }
}

}  // namespace morvane
