// Hostile databases: the stored regression inputs and a fixed run of
// mutations of a valid database go through the fuzz entry point without a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "stroke_fuzz_entry.h"
#include "stroke_test_support.h"

namespace morvane::test {
namespace {

void run(const std::string& data) {
  fuzzStrokeDatabases(reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

TEST(StrokeFuzz, RegressionInputsReplay) {
  const std::filesystem::path folder =
      std::filesystem::path(MORVANE_SOURCE_DIR) / "tests/strokes/fuzz";
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    run(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

// A small deterministic generator, the same on every platform.
struct Lcg {
  uint32_t state;
  uint32_t next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
};

// Three characters: records that read as a path, a stroke list or feedback.
std::string seedInput() {
  const std::string index = indexBytes({{0x0001, 0}, {0xB0A1, 3}, {0xB0A2, 9}});
  const std::string data = bytes({2, 0x3A, 0x11, 2, 1, 4, 5, 0, 1, 3, 4, 4, 4, 0, 8, 8, 8, 0,
                                  12, 12, 12, 0});
  return bytes({static_cast<int>(index.size()), 0}) + index + data;
}

TEST(StrokeFuzz, MutatedDatabasesNeverCrash) {
  const std::string seed = seedInput();
  const int interesting[] = {0, 1, 2, 3, 12, 127, 128, 200, 254, 255};
  Lcg random{2718};
  for (int round = 0; round < 300; ++round) {
    std::string input = seed;
    const int edits = 1 + static_cast<int>(random.next(4));
    for (int e = 0; e < edits; ++e) {
      const size_t at = 2 + random.next(static_cast<uint32_t>(input.size() - 2));
      switch (random.next(4)) {
        case 0: input[at] = static_cast<char>(random.next(256)); break;
        case 1: input[at] = static_cast<char>(interesting[random.next(std::size(interesting))]); break;
        case 2: input.erase(at, 1 + random.next(4)); break;
        default: input.resize(at); break;
      }
      if (input.size() < 3) input = seed;
    }
    run(input);
  }
}

}  // namespace
}  // namespace morvane::test
