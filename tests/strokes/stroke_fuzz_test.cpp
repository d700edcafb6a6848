// Hostile databases: the stored regression inputs and a fixed run of
// mutations of a valid database go through the fuzz entry point without a crash.
#include <gtest/gtest.h>

#include <string>

#include "fuzz_inputs.h"
#include "stroke_fuzz_entry.h"
#include "stroke_test_support.h"

namespace morvane::test {
namespace {

TEST(StrokeFuzz, RegressionInputsReplay) {
  EXPECT_GT(replayFolder(MORVANE_SOURCE_DIR "/tests/strokes/fuzz", fuzzStrokeDatabases), 0);
}

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
    runInput(fuzzStrokeDatabases, input);
  }
}

}  // namespace
}  // namespace morvane::test
