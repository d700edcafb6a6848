// Progress saves interrupted at every point: a failed write, a write cut off
// after any byte, a failed flush, a failed replace. Afterwards each progress
// file is either the old one or the complete new one, and the next save
// succeeds. In memory for every byte, and on the real disk at the edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "faulty_file_system.h"
#include "lesson/weighted_lesson.h"
#include "lesson_test_support.h"
#include "memory_file_system.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {
namespace {

using testing::Faults;
using testing::FaultyFileSystem;
using testing::MemoryFileSystem;

// A lesson set of two files (3 and 4 items) whose old progress files hold
// other weights; the lesson has been answered since, so a save changes both.
struct SavedSet {
  std::wstring a, b;
  std::string oldA, oldB;

  explicit SavedSet(const std::wstring& folder)
      : a(folder + L"a.gb"), b(folder + L"b.gb") {}

  void writeFiles(FileSystem& fs) {
    write(fs, a, testing::gbItems(3), false);
    write(fs, b, testing::gbItems(4), false);
    ItemWeights three = ItemWeights::withDefaults(3), four = ItemWeights::withDefaults(4);
    three.adjustWeight(0, 6.0f);
    four.adjustWeight(3, -1.0f);
    oldA = bytesOf(three);
    oldB = bytesOf(four);
    write(fs, a + L".st", oldA, true);
    write(fs, b + L".st", oldB, true);
  }

  // Opens the set under fs and answers it, so that a save changes both files.
  std::unique_ptr<WeightedLesson> openAndAnswer(FileSystem& fs) {
    ScopedFileSystem use(fs);
    auto lesson = std::make_unique<WeightedLesson>(a, a + L".st", 0);
    lesson->addFile(b, b + L".st");
    lesson->markWrong(lesson->passItemAt(1));
    lesson->markRight(lesson->passItemAt(5));
    return lesson;
  }

  static std::string bytesOf(const ItemWeights& weights) {
    std::vector<uint8_t> bytes = weights.toBytes();
    return std::string(bytes.begin(), bytes.end());
  }
  static void write(FileSystem& fs, const std::wstring& path, const std::string& bytes, bool hidden) {
    auto file = fs.createForWrite(path, hidden);
    ASSERT_TRUE(file && file->write(bytes.data(), bytes.size()));
  }
};

std::string contents(FileSystem& fs, const std::wstring& path) {
  auto file = fs.openForRead(path);
  if (!file) return "(missing)";
  std::string bytes;
  char buffer[256];
  while (size_t got = file->read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

void saveUnder(FileSystem& fs, WeightedLesson& lesson) {
  ScopedFileSystem use(fs);
  lesson.saveProgress();
}

// Runs one interrupted save and then the next, clean one on fs; the files must
// be old or new after the first and new after the second.
void expectSafe(FileSystem& fs, SavedSet& set, const std::string& newA, const std::string& newB,
                Faults faults) {
  std::unique_ptr<WeightedLesson> lesson = set.openAndAnswer(fs);
  FaultyFileSystem faulty(fs, faults);
  saveUnder(faulty, *lesson);
  const std::string a = contents(fs, set.a + L".st"), b = contents(fs, set.b + L".st");
  EXPECT_TRUE(a == set.oldA || a == newA);
  EXPECT_TRUE(b == set.oldB || b == newB);
  EXPECT_FALSE(fs.exists(set.a + L".st.new"));
  EXPECT_FALSE(fs.exists(set.b + L".st.new"));

  saveUnder(fs, *lesson);
  EXPECT_EQ(contents(fs, set.a + L".st"), newA);
  EXPECT_EQ(contents(fs, set.b + L".st"), newB);
}

// What the save writes when nothing fails.
void cleanSave(SavedSet& set, std::string& newA, std::string& newB) {
  MemoryFileSystem fs;
  set.writeFiles(fs);
  saveUnder(fs, *set.openAndAnswer(fs));
  newA = contents(fs, set.a + L".st");
  newB = contents(fs, set.b + L".st");
}

TEST(InterruptedProgressSave, EveryFailurePointLeavesOldOrNewFiles) {
  SavedSet set(L"");
  std::string newA, newB;
  cleanSave(set, newA, newB);
  ASSERT_NE(newA, set.oldA);
  ASSERT_NE(newB, set.oldB);
  // Worked sizes: 16 header bytes and 4 per weight.
  ASSERT_EQ(newA.size(), 16u + 3 * 4);
  ASSERT_EQ(newB.size(), 16u + 4 * 4);

  std::vector<Faults> points;
  for (int64_t n = 1; n <= 2; ++n) points.push_back(Faults{n, -1, false, false});
  for (int64_t byte = 0; byte <= static_cast<int64_t>(newA.size() + newB.size()); ++byte) {
    points.push_back(Faults{0, byte, false, false});
  }
  points.push_back(Faults{0, -1, true, false});
  points.push_back(Faults{0, -1, false, true});
  for (const Faults& faults : points) {
    SCOPED_TRACE(::testing::Message() << "write " << faults.failWriteNumber << ", byte "
                                      << faults.stopAfterByte << ", flush " << faults.failFlush
                                      << ", move " << faults.failMove);
    MemoryFileSystem fs;
    set.writeFiles(fs);
    expectSafe(fs, set, newA, newB, faults);
    EXPECT_TRUE(fs.isHidden(set.a + L".st"));
  }
}

TEST(InterruptedProgressSave, FailuresAtTheFirstFileStillSaveTheSecond) {
  SavedSet set(L"");
  std::string newA, newB;
  cleanSave(set, newA, newB);
  MemoryFileSystem fs;
  set.writeFiles(fs);
  FaultyFileSystem faulty(fs, Faults{1, -1, false, false});
  saveUnder(faulty, *set.openAndAnswer(fs));
  EXPECT_EQ(contents(fs, set.a + L".st"), set.oldA);
  EXPECT_EQ(contents(fs, set.b + L".st"), newB);
}

TEST(InterruptedProgressSave, OnTheDiskTheOldFileSurvivesAndStaysHidden) {
  testing::ScratchFolder folder;
  SavedSet set(folder.path(L""));
  std::string newA, newB;
  cleanSave(set, newA, newB);
  FileSystem& disk = platformFileSystem();
  const Faults points[] = {{1, -1, false, false}, {0, 0, false, false}, {0, 27, false, false},
                           {0, -1, true, false}, {0, -1, false, true}};
  for (const Faults& faults : points) {
    set.writeFiles(disk);
    expectSafe(disk, set, newA, newB, faults);
#ifdef _WIN32
    DWORD attributes = GetFileAttributesW((set.a + L".st").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
#endif
  }
}

}  // namespace
}  // namespace morvane
