// Replaying stored fuzz inputs.
#include "fuzz_inputs.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace morvane::test {

void runInput(FuzzEntry entry, const std::string& input) {
  entry(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

int replayFolder(const std::string& folder, FuzzEntry entry) {
  int replayed = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(file.path(), std::ios::binary);
    runInput(entry, std::string((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>()));
    ++replayed;
  }
  return replayed;
}

}  // namespace morvane::test
