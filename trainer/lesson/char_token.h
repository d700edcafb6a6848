// One character of lesson text as the two bytes of its encoding: (lead, trail)
// for a double-byte character, (0, byte) for a single-byte one.
#pragma once

#include <cstdint>

namespace morvane {

struct CharToken {
  uint8_t first = 0;
  uint8_t second = 0;

  // first × 256 + second: the key of fonts, stroke and feedback data.
  uint16_t code() const { return static_cast<uint16_t>(first << 8 | second); }
};

}  // namespace morvane
