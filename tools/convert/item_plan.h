// What the converter means to write for one word: the Hanzi and reading as
// the trainer's reader will deliver them and the meaning it will hold.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "conversion_report.h"
#include "lesson/char_token.h"
#include "lesson_charset.h"
#include "word_entry.h"

namespace morvane {

struct PlannedItem {
  std::vector<CharToken> hanzi;    // double-byte cells only
  std::vector<CharToken> reading;  // (0, byte) for ASCII, else double-byte
  std::string meaning;             // printable ASCII senses joined by "/"
  int64_t line = 0;                // input line of the entry
};

// Plans entry for the charset. False when the entry cannot be written so that
// the trainer reads it back as meant (a Hanzi or reading character the
// encoding lacks, ASCII in the Hanzi, "]" in the reading, an item longer
// than the trainer keeps); the reason is then reported as left out.
// Changes made to fit (meaning replacements, "-" for an empty reading,
// ";" for "/" in a reading) are reported too.
bool planItem(const WordEntry& entry, LessonCharset& charset, ConversionReport& report,
              PlannedItem& item);

}  // namespace morvane
