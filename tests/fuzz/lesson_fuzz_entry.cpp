// Fuzz entry of the lesson readers, the progress files and their saving.
//
// Input: byte 0 picks the extensions (encodings) of the two lesson files,
// byte 1 which answers of the pass are Wrong; the rest is split at "\n%%\n"
// into lesson file A, its progress file, lesson file B and its progress file
// (a missing part is an empty file; a missing progress part, no file).
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_entries.h"
#include "lesson/item_weights.h"
#include "lesson/random.h"
#include "lesson/weighted_lesson.h"
#include "memory_file_system.h"
#include "reference_lesson_reader.h"

namespace morvane::testing {

namespace {

const std::string kSeparator = "\n%%\n";
const wchar_t* const kExtensions[] = {L".gb", L".b5", L".euk", L".jis", L".euc", L".uni"};
const size_t kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];

std::vector<std::string> splitParts(const std::string& text, size_t count) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (parts.size() + 1 < count) {
    size_t at = text.find(kSeparator, from);
    if (at == std::string::npos) break;
    parts.push_back(text.substr(from, at - from));
    from = at + kSeparator.size();
  }
  parts.push_back(text.substr(from));
  return parts;
}

// Answers every item of a pass (and the ones that come back), then some
// Review picks.
void answerPass(WeightedLesson& lesson, uint8_t wrongBits) {
  lesson.startAll();
  const int32_t limit = 3 * lesson.itemCount() + 8;
  for (int32_t i = 0; i < limit; ++i) {
    LessonItem* item = lesson.nextItem();
    if (!item) break;
    if ((wrongBits >> (i % 8)) & 1) {
      lesson.markWrong(item);
    } else {
      lesson.markRight(item);
    }
  }
  lesson.setReview(true);
  for (int i = 0; i < 8; ++i) {
    if (LessonItem* item = lesson.nextItem()) lesson.markWrong(item);
  }
}

// The lesson holds the items the reference reader finds in both files.
void checkItems(WeightedLesson& lesson, const std::vector<std::pair<std::wstring, std::string>>& files) {
  std::vector<std::string> expected;
  for (const auto& file : files) {
    for (const ReferenceItem& item : referenceItems(file.second, encodingForPath(file.first))) {
      expected.push_back(describeItem(item));
    }
  }
  FUZZ_CHECK(static_cast<size_t>(lesson.itemCount()) == expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    FUZZ_CHECK(describeItem(*lesson.itemAt(static_cast<int32_t>(i))) == expected[i]);
  }
}

// Each saved progress file holds exactly the weights of its file's items.
void checkSavedProgress(const WeightedLesson& lesson, const MemoryFileSystem& fs) {
  int32_t offset = 0;
  for (const LessonFileRecord& record : lesson.fileRecords()) {
    ItemWeights expected;
    for (int32_t j = 0; j < record.itemCount; ++j) {
      expected.appendWeight(lesson.weights().weightAt(offset + j));
    }
    const std::string* saved = fs.bytes(record.progressPath);
    FUZZ_CHECK(saved != nullptr);
    std::vector<uint8_t> bytes = expected.toBytes();
    FUZZ_CHECK(*saved == std::string(bytes.begin(), bytes.end()));
    FUZZ_CHECK(fs.isHidden(record.progressPath));
    offset += record.itemCount;
  }
  FUZZ_CHECK(!fs.bytes(lesson.fileRecords()[0].progressPath + L".new"));
}

}  // namespace

int fuzzLessonSet(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t choice = data[0];
  const uint8_t wrongBits = data[1];
  std::vector<std::string> parts =
      splitParts(std::string(reinterpret_cast<const char*>(data) + 2, size - 2), 4);
  parts.resize(4);

  MemoryFileSystem fs;
  ScopedFileSystem use(fs);
  const std::wstring a = std::wstring(L"a") + kExtensions[choice % kExtensionCount];
  const std::wstring b = std::wstring(L"b") + kExtensions[(choice / kExtensionCount) % kExtensionCount];
  fs.put(a, parts[0]);
  if (!parts[1].empty()) fs.put(a + L".st", parts[1], true);
  fs.put(b, parts[2]);
  if (!parts[3].empty()) fs.put(b + L".st", parts[3], true);

  WeightedLesson lesson(a, a + L".st", 0);
  lesson.addFile(b, b + L".st");
  checkItems(lesson, {{a, parts[0]}, {b, parts[2]}});
  FUZZ_CHECK(lesson.weights().count() == lesson.itemCount());
  // The same input must take the same path on every run.
  seedRandom(wrongBits);
  answerPass(lesson, wrongBits);
  lesson.saveProgress();
  checkSavedProgress(lesson, fs);
  return 0;
}

}  // namespace morvane::testing
