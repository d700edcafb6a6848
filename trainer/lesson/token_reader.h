// Readers that deliver a lesson file one character at a time, as a token of
// one or two bytes in the file's own encoding; one reader per encoding.
#pragma once

#include <cstdint>
#include <memory>

#include "lesson/byte_source.h"
#include "lesson/encoding.h"
#include "platform/file.h"

namespace morvane {

// One character: `size` 1 for a single-byte character, 2 for a double-byte
// one, 0 for "no character" (end of the data).
struct Token {
  uint8_t size = 0;
  uint8_t bytes[2] = {0, 0};

  explicit operator bool() const { return size != 0; }
  uint8_t first() const { return bytes[0]; }

  static Token single(uint8_t b) { return Token{1, {b, 0}}; }
  static Token pair(uint8_t lead, uint8_t trail) { return Token{2, {lead, trail}}; }
};

class TokenReader {
 public:
  // The next character, or none at the end of the data (or, for most
  // encodings, at a byte the encoding does not allow there).
  virtual Token nextToken() = 0;
  // Moves the read position back by n bytes so the next token rereads them.
  virtual void stepBack(int32_t n) = 0;
  virtual ~TokenReader() = default;

  // After each nextToken: true if the reader is in double-byte state, i.e. the
  // character just returned is double-byte.
  bool doubleByte() const { return doubleByte_ != 0; }

 protected:
  int32_t doubleByte_ = 0;
};

// Told where a reader dropped input; lets the inspector explain a lesson.
class ReaderObserver {
 public:
  virtual ~ReaderObserver() = default;
  // The data ended at `offset`: `byte` is the byte that was not allowed there,
  // or -1 at the end of the file.
  virtual void dataEnded(int64_t offset, int byte) = 0;
  // The rest of a line was dropped: `length` bytes from `byte` at `offset`,
  // the LF that ends the line included.
  virtual void lineSkipped(int64_t offset, uint8_t byte, int64_t length) = 0;
};

class ItemBuilder;

// What the five encoding readers share: a block-buffered byte source over a
// file they do not own, step-back by moving the position, and end reporting.
class FileTokenReader : public TokenReader {
 public:
  explicit FileTokenReader(File& file) : source_(file) {}

  void stepBack(int32_t n) override { source_.stepBack(n); }
  // Reads one item into builder with the reader's own token loop, which makes
  // no virtual call per character; true if the item is valid.
  virtual bool readItemInto(ItemBuilder& builder) = 0;

  // Bytes consumed since the reader was made.
  int64_t position() const { return source_.offset(); }
  void setObserver(ReaderObserver* observer) { observer_ = observer; }

 protected:
  bool readByte(uint8_t& byte) { return source_.next(byte); }
  // The first step every single-state reader shares: none once the data has
  // ended or at its end, LF and printable ASCII as single characters. True
  // when `token` is the answer; otherwise `byte` is left for the encoding.
  bool startToken(uint8_t& byte, Token& token) {
    if (ended_) {
      token = Token{};
      return true;
    }
    if (!readByte(byte)) {
      token = endData(-1);
      return true;
    }
    if (byte >= 0x0A && byte <= 0x7E) {
      doubleByte_ = 0;
      token = Token::single(byte);
      return true;
    }
    return false;
  }
  // Ends the data for good (single-state readers): this and every later
  // token is none. `byte` is the offending byte just read, or -1 at the end.
  Token endData(int byte);
  // Drops bytes from `byte` (already read) up to and including the next LF.
  void skipLine(uint8_t byte);

  bool ended_ = false;

 private:
  ByteSource source_;
  ReaderObserver* observer_ = nullptr;
};

// The reader for an encoding: ISO-2022-JP, Big5, GB, EUC-KR, and EUC-JP for
// every other code. It reads the file from its current position.
std::unique_ptr<FileTokenReader> makeTokenReader(File& file, EncodingCode code);

}  // namespace morvane
