// What the encoding readers share, and the choice of reader by encoding.
#include "lesson/token_reader.h"

#include "lesson/token_readers.h"

namespace morvane {

Token FileTokenReader::endData(int byte) {
  if (!ended_ && observer_) observer_->dataEnded(byte < 0 ? position() : position() - 1, byte);
  ended_ = true;
  return Token{};
}

void FileTokenReader::skipLine(uint8_t byte) {
  int64_t start = position() - 1;
  uint8_t first = byte;
  while (byte != 0x0A && readByte(byte)) {
  }
  if (observer_) observer_->lineSkipped(start, first, position() - start);
}

std::unique_ptr<FileTokenReader> makeTokenReader(File& file, EncodingCode code) {
  return withReaderType(code, [&](auto type) -> std::unique_ptr<FileTokenReader> {
    return std::make_unique<typename decltype(type)::type>(file);
  });
}

}  // namespace morvane
