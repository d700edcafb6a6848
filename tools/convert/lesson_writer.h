// The bytes of lesson lines: Hanzi " [" reading "] /" meaning "/" CR LF, in
// the file form of the lesson's encoding.
#pragma once

#include <string>

#include "item_plan.h"
#include "lesson/encoding.h"

namespace morvane {

// Appends the line of item to out. ISO-2022-JP lines switch to JIS X 0208
// for each run of double-byte characters and back to ASCII after it.
void appendItemLine(const PlannedItem& item, EncodingCode code, std::string& out);

}  // namespace morvane
