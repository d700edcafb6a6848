// Every kept fuzz input (tests/fuzz/corpus/TARGET) replays through its fuzz
// entry without a crash or a broken promise, natively and under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_entries.h"

namespace morvane::testing {
namespace {

using Entry = int (*)(const uint8_t*, size_t);

int replayFolder(const std::string& target, Entry entry) {
  const std::filesystem::path folder =
      std::filesystem::path(MORVANE_SOURCE_DIR) / "tests/fuzz/corpus" / target;
  int replayed = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(file.path(), std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(file.path().string());
    entry(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ++replayed;
  }
  return replayed;
}

TEST(FuzzReplay, LessonSetInputs) { EXPECT_GT(replayFolder("lesson", fuzzLessonSet), 0); }

TEST(FuzzReplay, EditorLessonFileInputs) {
  EXPECT_GT(replayFolder("editor", fuzzEditorLessonFile), 0);
}

TEST(FuzzReplay, HbfDescriptionInputs) { EXPECT_GT(replayFolder("hbf", fuzzHbfDescription), 0); }

TEST(FuzzReplay, StrokeDatabaseInputs) {
  EXPECT_GT(replayFolder("strokes", fuzzStrokeDatabases), 0);
}

}  // namespace
}  // namespace morvane::testing
