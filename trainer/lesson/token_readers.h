// The five encoding readers. GB, Big5, EUC-KR and EUC-JP have one state and
// end the data at the first byte their encoding does not allow; ISO-2022-JP
// follows escape sequences and drops damaged lines instead.
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
  Token nextToken() override;

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
class EucJpReader : public FileTokenReader {
 public:
  explicit EucJpReader(File& file) : FileTokenReader(file) {}
  Token nextToken() override;
};

// ISO-2022-JP: a shift-state machine driven by escape sequences and SO/SI.
// doubleByte is 1 exactly while in Kanji state.
class Iso2022JpReader : public FileTokenReader {
 public:
  enum class State { Ascii, Kanji, Katakana7, Katakana8, End };

  explicit Iso2022JpReader(File& file) : FileTokenReader(file) {}
  Token nextToken() override;
  State state() const { return state_; }

 private:
  // Reads one byte; at the end of the data the state becomes End.
  bool readOrEnd(uint8_t& byte);
  void enter(State state, int32_t doubleByte);
  void handleEscape(uint8_t byte);

  State state_ = State::Ascii;
};

}  // namespace morvane
