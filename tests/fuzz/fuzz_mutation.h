// What the mutation tests of the parsers share: a small deterministic
// generator, the same on every platform, so each run edits the same bytes.
#pragma once

#include <cstdint>

namespace morvane::testing {

struct Lcg {
  uint32_t state;
  uint32_t next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
};

}  // namespace morvane::testing
