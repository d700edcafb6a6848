// Fuzz entry point of the HBF reader: the input is a description file, read
// beside a small fixed bitmap file; every range it declares is then read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane::test {

// Parses data as an HBF description and reads glyphs of every code range.
// Never fails on its own; a crash or sanitizer report is the finding.
int fuzzHbfDescription(const uint8_t* data, size_t size);

}  // namespace morvane::test
