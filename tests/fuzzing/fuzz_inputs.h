// What the fuzz tests of every parser share: the stored regression inputs of a
// folder, and a deterministic generator for mutating a valid input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane::test {

// A parser's fuzz entry point (each entry library defines one of these).
using FuzzEntry = int (*)(const uint8_t* data, size_t size);

// Runs every file of the folder through entry; returns how many there were.
int replayFolder(const std::string& folder, FuzzEntry entry);

// Runs one input given as a string.
void runInput(FuzzEntry entry, const std::string& input);

// A small deterministic generator, the same on every platform.
struct Lcg {
  uint32_t state;
  uint32_t next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
};

}  // namespace morvane::test
