// Lesson line writing for the five file forms.
#include "lesson_writer.h"

namespace morvane {

namespace {

const char kToJis[] = "\x1B$B";
const char kToAscii[] = "\x1B(B";

// Writes cells, tracking the ISO-2022-JP shift state in inJis.
void appendCells(const std::vector<CharToken>& cells, EncodingCode code, bool& inJis,
                 std::string& out) {
  for (const CharToken& cell : cells) {
    bool isDouble = cell.first != 0;
    if (code == EncodingCode::Iso2022Jp && isDouble != inJis) {
      out += isDouble ? kToJis : kToAscii;
      inJis = isDouble;
    }
    if (!isDouble) {
      out += static_cast<char>(cell.second);
    } else if (code == EncodingCode::Gb || code == EncodingCode::Big5 ||
               code == EncodingCode::EucKr || code == EncodingCode::Iso2022Jp) {
      out += static_cast<char>(cell.first);
      out += static_cast<char>(cell.second);
    } else {  // EUC-JP: the reader folded the bytes to row and cell
      out += static_cast<char>(cell.first | 0x80);
      out += static_cast<char>(cell.second | 0x80);
    }
  }
}

void leaveJis(EncodingCode code, bool& inJis, std::string& out) {
  if (code == EncodingCode::Iso2022Jp && inJis) out += kToAscii;
  inJis = false;
}

}  // namespace

void appendItemLine(const PlannedItem& item, EncodingCode code, std::string& out) {
  bool inJis = false;
  appendCells(item.hanzi, code, inJis, out);
  leaveJis(code, inJis, out);
  out += " [";
  appendCells(item.reading, code, inJis, out);
  leaveJis(code, inJis, out);
  out += "] /";
  out += item.meaning;
  out += "/\r\n";
}

}  // namespace morvane
