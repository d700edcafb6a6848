// Replays stroke database inputs through the fuzz entry point:
// stroke_fuzz_replay FILE... (a found crash reproduces here, natively or under Wine).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "stroke_fuzz_entry.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 2;
    }
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    morvane::test::fuzzStrokeDatabases(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    std::printf("%s: ok\n", argv[i]);
  }
  return 0;
}
