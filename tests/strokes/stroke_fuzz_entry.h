// Fuzz entry point of the stroke and feedback database readers: the input is
// an index file and a data file, looked up as all three databases.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane::test {

// The first two bytes (little-endian) give the index's length, the index
// follows, the rest is the data file. Every code the index names, and a few
// more, is looked up in all three databases and judged. Never fails on its
// own; a crash or sanitizer report is the finding.
int fuzzStrokeDatabases(const uint8_t* data, size_t size);

}  // namespace morvane::test
