// Close ASCII for characters a lesson meaning cannot hold.
#pragma once

namespace morvane {

// The ASCII text that stands for c ("e" for "é", "pi" for "π"), or null when
// there is none in the table.
const char* asciiReplacement(char32_t c);

}  // namespace morvane
