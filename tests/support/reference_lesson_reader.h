// A reference reader of lesson files, written from the format's rules as
// plainly as possible: one byte at a time from a string, no buffers, no
// limits on memory. The differential tests and the lesson fuzz target hold
// the trainer's fast reader to it on every byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/encoding.h"
#include "lesson/lesson_item.h"

namespace morvane::testing {

struct ReferenceItem {
  std::vector<uint16_t> hanzi;    // cell codes: lead × 256 + trail, or the byte
  std::vector<uint16_t> reading;
  std::string meaning;            // one byte per wide character of the meaning
};

// Every item the trainer keeps of a file in the encoding of code, up to the
// first one that is not valid. Parts longer than the trainer keeps are cut
// as it cuts them.
std::vector<ReferenceItem> referenceItems(const std::string& bytes, EncodingCode code);

// An item as text (cell keys, meaning bytes up to the first zero), so that
// the trainer's items and the reference's compare as strings; the trainer's
// also names marks that are not the fresh ones and an item that is not valid.
std::string describeItem(const ReferenceItem& item);
std::string describeItem(const LessonItem& item);

}  // namespace morvane::testing
