// Hostile descriptions: the stored regression inputs and a fixed run of
// mutations of a valid font go through the fuzz entry point without a crash.
#include <gtest/gtest.h>

#include <string>

#include "fuzz_inputs.h"
#include "hbf_fuzz_entry.h"
#include "hbf_test_support.h"

namespace morvane::test {
namespace {

void run(const std::string& data) { runInput(fuzzHbfDescription, data); }

TEST(HbfFuzz, RegressionInputsReplay) {
  EXPECT_GT(replayFolder(MORVANE_SOURCE_DIR "/tests/fonts/fuzz", fuzzHbfDescription), 0);
}

TEST(HbfFuzz, MutatedDescriptionsNeverCrash) {
  const std::string seed = hbfFont(
      {"HBF_CODE_RANGE 0xA1A1-0xA1FE g.bin 0", "HBF_CODE_RANGE 0xA2A1-0xA2A4 g.bin 0x40 T",
       "HBF_CODE_RANGE 0xA3A1-0xA3A2 g.bin 64 I"},
      "HBF_START_BYTE_2_RANGES 1\nHBF_BYTE_2_RANGE 0xA1-0xFE\nHBF_END_BYTE_2_RANGES\n");
  const char* const tokens[] = {"0xFFFFFFFF", "-1", "0", "99999999999", "0x10000", "\"", " ",
                                "\n", "\r\n", "COMMENT", "g.bin", "-", "1024", "0x7FFF"};
  Lcg random{12345};
  for (int round = 0; round < 2000; ++round) {
    std::string text = seed;
    const int edits = 1 + static_cast<int>(random.next(4));
    for (int e = 0; e < edits && !text.empty(); ++e) {
      size_t at = random.next(static_cast<uint32_t>(text.size()));
      switch (random.next(4)) {
        case 0: text[at] = static_cast<char>(random.next(256)); break;
        case 1: text.erase(at, 1 + random.next(8)); break;
        case 2: text.insert(at, tokens[random.next(std::size(tokens))]); break;
        default: text.resize(at); break;
      }
    }
    run(text);
  }
}

}  // namespace
}  // namespace morvane::test
