// What the benchmarks of the trainer's data files share: the folder the main
// job built the fonts and stroke databases into, and the characters looked up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane::bench {

// MORVANE_FONT_DIR, or empty when it is not set.
std::string dataFolder();

// n GB 2312 codes of the first 40 rows of Hanzi (0xB0A1 to 0xD7FE), the
// same on every run: characters of a lesson, in no order.
std::vector<uint16_t> randomGbHanzi(int n);

}  // namespace morvane::bench
