// Reads an HBF description file line by line, one byte at a time.
#pragma once

#include <string>

#include "platform/file.h"

namespace morvane {

class HbfLineReader {
 public:
  // Longest line kept; the rest of a longer line is read and dropped.
  static constexpr size_t kMaxLine = 1023;

  explicit HbfLineReader(File& file) : file_(file) {}

  // Reads the next line without its end and trailing whitespace. Each byte
  // becomes one wide character taken as a signed byte (0x80 -> 0xFF80).
  // False when the file ends before a line end.
  bool readLine(std::wstring& line);

  // Reads the next line that is neither empty nor a COMMENT line.
  bool readSignificantLine(std::wstring& line);

 private:
  File& file_;
};

}  // namespace morvane
