// The ISO-2022-JP reader's escape sequences, shifts and item loop.
#include "lesson/item_scan.h"
#include "lesson/token_readers.h"

namespace morvane {

namespace {

const uint8_t kEsc = 0x1B;
const uint8_t kShiftOut = 0x0E;
const uint8_t kShiftIn = 0x0F;

}  // namespace

void Iso2022JpReader::shiftOutOrEscape(uint8_t byte) {
  if (byte == kShiftOut) {
    state_ = State::Katakana8;
  } else {
    handleEscape(byte);
  }
}

void Iso2022JpReader::shiftInOrSkip(uint8_t byte) {
  if (byte == kShiftIn) {
    enter(State::Ascii, 0);
  } else {
    skipLine(byte);
  }
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

bool Iso2022JpReader::readItemInto(ItemBuilder& builder) { return scanItem(*this, builder); }

}  // namespace morvane
