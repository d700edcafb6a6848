// libFuzzer's entry point for one fuzz target, chosen when it is built
// (MORVANE_FUZZ_ENTRY names one of fuzz_entries.h).
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return morvane::testing::MORVANE_FUZZ_ENTRY(data, size);
}
