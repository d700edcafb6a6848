#include "data_files.h"

#include <cstdlib>

namespace morvane::bench {

std::string dataFolder() {
  const char* folder = std::getenv("MORVANE_FONT_DIR");
  return folder ? folder : "";
}

std::vector<uint16_t> randomGbHanzi(int n) {
  std::vector<uint16_t> codes;
  uint32_t seed = 12345;
  for (int i = 0; i < n; ++i) {
    seed = seed * 1664525u + 1013904223u;
    codes.push_back(static_cast<uint16_t>((0xB0 + (seed >> 8) % 40) << 8 | (0xA1 + (seed >> 16) % 94)));
  }
  return codes;
}

}  // namespace morvane::bench
