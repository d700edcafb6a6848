// Line reading of HBF descriptions: byte by byte, CR or LF ends a line.
#include "ui/hbf_line_reader.h"

#include <cstdint>

#include "ui/hbf_text.h"

namespace morvane {

bool HbfLineReader::readLine(std::wstring& line) {
  line.clear();
  for (;;) {
    unsigned char byte;
    if (file_.read(&byte, 1) != 1) return false;
    if (byte == '\n' || byte == '\r') break;
    if (line.size() < kMaxLine) {
      line += static_cast<wchar_t>(static_cast<uint16_t>(static_cast<int8_t>(byte)));
    }
  }
  while (!line.empty() && isHbfSpace(line.back())) line.pop_back();
  return true;
}

bool HbfLineReader::readSignificantLine(std::wstring& line) {
  do {
    if (!readLine(line)) return false;
  } while (line.empty() || matchesKeyword(line, L"COMMENT"));
  return true;
}

}  // namespace morvane
