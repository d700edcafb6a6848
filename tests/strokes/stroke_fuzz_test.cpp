// Hostile databases: a fixed run of mutations of a valid database goes
// through the fuzz entry point without a crash (the kept inputs replay with the
// other fuzz targets').
#include <gtest/gtest.h>

#include <string>

#include "fuzz_entries.h"
#include "fuzz_mutation.h"
#include "stroke_test_support.h"

namespace morvane::test {
namespace {

using morvane::testing::Lcg;

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
    morvane::testing::fuzzStrokeDatabases(reinterpret_cast<const uint8_t*>(input.data()),
                                          input.size());
  }
}

}  // namespace
}  // namespace morvane::test
