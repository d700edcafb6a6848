// The five encoding readers. GB, Big5, EUC-KR and EUC-JP have one state and
// end the data at the first byte their encoding does not allow; ISO-2022-JP
// follows escape sequences and drops damaged lines instead. Their nextToken
// bodies are here, so that item loops over a reader of known type inline them
// (always, for the single-state readers: they run once per character).
#pragma once

#include "lesson/token_reader.h"

namespace morvane {

// An inclusive byte range; empty when low > high.
struct ByteRange {
  uint8_t low;
  uint8_t high;
  bool has(uint8_t b) const { return b >= low && b <= high; }
};

// A lead byte in `lead` followed by a trail byte in either trail range is one
// double-byte character; LF and printable ASCII are single characters.
class LeadTrailReader : public FileTokenReader {
 public:
  [[gnu::always_inline]] Token nextToken() final {
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
  bool readItemInto(ItemBuilder& builder) final;

 protected:
  LeadTrailReader(File& file, ByteRange lead, ByteRange trail, ByteRange otherTrail)
      : FileTokenReader(file), lead_(lead), trail_(trail), otherTrail_(otherTrail) {}

 private:
  ByteRange lead_;
  ByteRange trail_;
  ByteRange otherTrail_;
};

// GB 2312 in EUC-CN form: bytes 0xA0 to 0xFF.
class GbReader : public LeadTrailReader {
 public:
  explicit GbReader(File& file)
      : LeadTrailReader(file, {0xA0, 0xFF}, {0xA0, 0xFF}, {0xFF, 0x00}) {}
};

// KS X 1001 in EUC-KR form: bytes 0xA1 to 0xFE.
class EucKrReader : public LeadTrailReader {
 public:
  explicit EucKrReader(File& file)
      : LeadTrailReader(file, {0xA1, 0xFE}, {0xA1, 0xFE}, {0xFF, 0x00}) {}
};

// Big5: lead 0xA1 to 0xFE, trail 0xA1 to 0xFE or 0x40 to 0x7E.
class Big5Reader : public LeadTrailReader {
 public:
  explicit Big5Reader(File& file)
      : LeadTrailReader(file, {0xA1, 0xFE}, {0xA1, 0xFE}, {0x40, 0x7E}) {}
};

// EUC-JP, delivering JIS X 0208 row and cell folded to 7 bits.
class EucJpReader final : public FileTokenReader {
 public:
  explicit EucJpReader(File& file) : FileTokenReader(file) {}
  [[gnu::always_inline]] Token nextToken() override {
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
  bool readItemInto(ItemBuilder& builder) override;
};

// ISO-2022-JP: a shift-state machine driven by escape sequences and SO/SI.
// doubleByte is 1 exactly while in Kanji state.
class Iso2022JpReader final : public FileTokenReader {
 public:
  enum class State { Ascii, Kanji, Katakana7, Katakana8, End };

  explicit Iso2022JpReader(File& file) : FileTokenReader(file) {}
  [[gnu::always_inline]] Token nextToken() override {
    for (;;) {
      uint8_t b;
      if (state_ == State::End) return Token{};
      if (!readOrEnd(b)) return Token{};
      switch (state_) {
        case State::Ascii:
          if (b >= 0x20 && b <= 0x7E) return Token::single(b);
          shiftOutOrEscape(b);
          break;
        case State::Kanji: {
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
          if (b >= 0x21 && b <= 0x5F) return Token::single(b);
          handleEscape(b);
          break;
        default:  // Katakana8
          if (b >= 0xA1 && b <= 0xDF) return Token::single(b);
          shiftInOrSkip(b);
          break;
      }
    }
  }
  bool readItemInto(ItemBuilder& builder) override;
  State state() const { return state_; }

 private:
  // Reads one byte; at the end of the data the state becomes End.
  bool readOrEnd(uint8_t& byte) {
    if (readByte(byte)) return true;
    state_ = State::End;
    return false;
  }
  void enter(State state, int32_t doubleByte) {
    state_ = state;
    doubleByte_ = doubleByte;
  }
  // Ascii state: SO enters Katakana8; anything else is an escape's start.
  void shiftOutOrEscape(uint8_t byte);
  // Katakana8 state: SI returns to Ascii; anything else drops the line.
  void shiftInOrSkip(uint8_t byte);
  void handleEscape(uint8_t byte);

  State state_ = State::Ascii;
};

// The reader class for an encoding, handed to `visit` as ReaderType<Class>:
// ISO-2022-JP, Big5, GB, EUC-KR, and EUC-JP for every other code. Callers
// that make the reader themselves get its concrete type, so their item loops
// inline its nextToken.
template <class Reader>
struct ReaderType {
  using type = Reader;
};

template <class Visit>
decltype(auto) withReaderType(EncodingCode code, Visit&& visit) {
  switch (code) {
    case EncodingCode::Iso2022Jp:
      return visit(ReaderType<Iso2022JpReader>{});
    case EncodingCode::Big5:
      return visit(ReaderType<Big5Reader>{});
    case EncodingCode::Gb:
      return visit(ReaderType<GbReader>{});
    case EncodingCode::EucKr:
      return visit(ReaderType<EucKrReader>{});
    default:
      return visit(ReaderType<EucJpReader>{});
  }
}

}  // namespace morvane
