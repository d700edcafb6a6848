// Item weights, progress files byte for byte, Review picking and lesson sets.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "lesson/item_weights.h"
#include "lesson/lesson_mode.h"
#include "lesson/random.h"
#include "lesson/weighted_lesson.h"
#include "lesson_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {
namespace {

using testing::gbItems;
using testing::readBytes;
using testing::ScratchFolder;

std::string le32(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
  return out;
}

std::string leFloat(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  return le32(bits);
}

// A progress file: header (initial, sum, minimum, count) and weights.
std::string progressFile(std::initializer_list<float> weights, float sum = 0.0f,
                         int32_t count = -1, float minimum = 1.0f) {
  std::string out = leFloat(6.0f) + leFloat(sum) + leFloat(minimum);
  out += le32(static_cast<uint32_t>(count < 0 ? static_cast<int32_t>(weights.size()) : count));
  for (float w : weights) out += leFloat(w);
  return out;
}

TEST(ItemWeights, StartAtSixAndFollowRightAndWrong) {
  ItemWeights weights = ItemWeights::withDefaults(2);
  EXPECT_EQ(weights.weightAt(0), 6.0f);
  EXPECT_EQ(weights.sum(), 12.0f);
  weights.adjustWeight(0, 6.0f);
  EXPECT_EQ(weights.weightAt(0), 12.0f);
  EXPECT_EQ(weights.sum(), 18.0f);

  for (int i = 0; i < 5; ++i) weights.adjustWeight(1, -1.0f);
  EXPECT_EQ(weights.weightAt(1), 1.0f);
  EXPECT_EQ(weights.sum(), 13.0f);
  weights.adjustWeight(1, -1.0f);
  EXPECT_EQ(weights.weightAt(1), 1.0f);
  EXPECT_EQ(weights.sum(), 13.0f);
}

TEST(ItemWeights, ComparisonsAreInWholeHundredths) {
  ItemWeights weights;
  weights.appendWeight(0.999f);  // 99 hundredths: below the minimum
  weights.appendWeight(1.009f);  // 100 hundredths: not below
  weights.appendWeight(0.5f);
  EXPECT_EQ(weights.weightAt(0), 1.0f);
  EXPECT_EQ(weights.weightAt(1), 1.009f);
  EXPECT_EQ(weights.weightAt(2), 1.0f);

  // 1.5 - 0.49 is 1.01 (101 hundredths): kept. 1.5 - 0.495 is 1.005 (100
  // hundredths), not above the minimum: the weight drops to the minimum.
  ItemWeights a;
  a.appendWeight(1.5f);
  a.adjustWeight(0, -0.49f);
  EXPECT_FLOAT_EQ(a.weightAt(0), 1.01f);
  ItemWeights b;
  b.appendWeight(1.5f);
  b.adjustWeight(0, -0.495f);
  EXPECT_EQ(b.weightAt(0), 1.0f);
  EXPECT_FLOAT_EQ(b.sum(), 1.0f);
}

TEST(ItemWeights, OutsideTheTableNothingChanges) {
  ItemWeights weights = ItemWeights::withDefaults(1);
  EXPECT_EQ(weights.weightAt(-1), 0.0f);
  EXPECT_EQ(weights.weightAt(1), 0.0f);
  weights.adjustWeight(1, 6.0f);
  weights.adjustWeight(-1, 6.0f);
  EXPECT_EQ(weights.sum(), 6.0f);
}

TEST(ItemWeights, NotANumberCountsAsBelowTheMinimum) {
  ItemWeights weights;
  weights.appendWeight(std::numeric_limits<float>::quiet_NaN());
  weights.appendWeight(std::numeric_limits<float>::infinity());
  EXPECT_EQ(weights.weightAt(0), 1.0f);
  EXPECT_EQ(weights.weightAt(1), 1.0f);
  EXPECT_EQ(hundredths(std::numeric_limits<float>::quiet_NaN()),
            std::numeric_limits<int64_t>::min());
  EXPECT_EQ(hundredths(1e30f), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(hundredths(-2.999f), -299);
}

TEST(ItemWeights, PickFollowsTheWeights) {
  seedRandom(3);
  ItemWeights weights;
  weights.appendWeight(1.0f);
  weights.appendWeight(99.0f);
  int heavy = 0;
  for (int i = 0; i < 10000; ++i) {
    int32_t pick = weights.weightedPick();
    ASSERT_GE(pick, -1);
    ASSERT_LE(pick, 1);
    if (pick == 1) ++heavy;
  }
  EXPECT_GT(heavy, 9700);
  EXPECT_EQ(ItemWeights().weightedPick(), -1);
}

ItemWeights tableOf(std::initializer_list<float> weights) {
  ItemWeights table;
  for (float w : weights) table.appendWeight(w);
  return table;
}

// The index drawn when the generator's next number is r.
int32_t pickWith(const ItemWeights& weights, int32_t r) {
  seedRandom(testing::seedGivingFirst(r));
  return weights.weightedPick();
}

TEST(ItemWeights, PickWorkedExamples) {
  ItemWeights even = tableOf({1.0f, 1.0f});
  // Target 2 × r / 32767: 16383 gives 0.99997 (99 hundredths), below the
  // first running total of 100; 16384 gives 1.00003 (100), which only a total
  // above it takes.
  EXPECT_EQ(pickWith(even, 0), 0);
  EXPECT_EQ(pickWith(even, 16383), 0);
  EXPECT_EQ(pickWith(even, 16384), 1);
  // 32767 lands on the total itself: no index.
  EXPECT_EQ(pickWith(even, 32767), -1);
  EXPECT_EQ(pickWith(tableOf({1.0f, 1000.0f}), 32767), -1);

  // 6000 × 32000 / 32767 is 5859.55, just past the first weight (with a
  // factor of 1/32768 it would be 5859.38, before it).
  ItemWeights uneven = tableOf({5859.5f, 140.5f});
  EXPECT_EQ(pickWith(uneven, 32000), 1);
  EXPECT_EQ(pickWith(uneven, 31999), 0);
}

TEST(ItemWeights, FileFormatIsLittleEndianSinglePrecision) {
  ItemWeights weights = ItemWeights::withDefaults(2);
  weights.adjustWeight(1, 6.0f);
  std::vector<uint8_t> bytes = weights.toBytes();
  std::string expected = progressFile({6.0f, 12.0f}, 18.0f);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(expected.substr(0, 16), std::string("\x00\x00\xc0\x40\x00\x00\x90\x41"
                                                "\x00\x00\x80\x3f\x02\x00\x00\x00", 16));
}

class ProgressTest : public ::testing::Test {
 protected:
  std::wstring lessonFile(const std::wstring& name, int items) {
    return folder.write(name, gbItems(items));
  }
  std::wstring progress(const std::wstring& name, const std::string& bytes) {
    return folder.write(name, bytes);
  }
  ScratchFolder folder;
};

TEST_F(ProgressTest, NoProgressFileGivesSixEachAndSavesFiftySixBytes) {
  WeightedLesson lesson(lessonFile(L"a.gb", 10), folder.path(L"a.gb.st"), 0);
  EXPECT_EQ(lesson.weights().count(), 10);
  EXPECT_EQ(lesson.weights().sum(), 60.0f);
  lesson.saveProgress();
  std::string saved = readBytes(folder.path(L"a.gb.st"));
  EXPECT_EQ(saved.size(), 56u);
  EXPECT_EQ(saved, progressFile({6, 6, 6, 6, 6, 6, 6, 6, 6, 6}, 60.0f));
}

TEST_F(ProgressTest, WeightsSurviveASaveAndReopen) {
  std::wstring path = lessonFile(L"a.gb", 3);
  std::wstring state = folder.path(L"a.gb.st");
  {
    WeightedLesson first(path, state, 0);
    first.markWrong(first.passItemAt(2));
    first.markRight(first.passItemAt(0));
    first.saveProgress();
  }
  EXPECT_EQ(readBytes(state), progressFile({5.0f, 6.0f, 12.0f}, 23.0f));
  WeightedLesson again(path, state, 0);
  EXPECT_EQ(again.weights().weightAt(0), 5.0f);
  EXPECT_EQ(again.weights().weightAt(2), 12.0f);
  EXPECT_EQ(again.weights().sum(), 23.0f);
}

TEST_F(ProgressTest, StoredSumIsIgnoredAndLowWeightsRaised) {
  WeightedLesson lesson(lessonFile(L"a.gb", 2), progress(L"a.gb.st", progressFile({0.5f, 3.0f}, 999.0f)),
                        0);
  EXPECT_EQ(lesson.weights().weightAt(0), 1.0f);
  EXPECT_EQ(lesson.weights().weightAt(1), 3.0f);
  EXPECT_EQ(lesson.weights().sum(), 4.0f);
}

TEST_F(ProgressTest, StoredMinimumIsTheTablesMinimum) {
  std::wstring state = progress(L"a.gb.st", progressFile({1.5f, 3.0f}, 0, -1, 2.0f));
  WeightedLesson lesson(lessonFile(L"a.gb", 2), state, 0);
  EXPECT_EQ(lesson.weights().minimum(), 2.0f);
  EXPECT_EQ(lesson.weights().weightAt(0), 2.0f);
  EXPECT_EQ(lesson.weights().sum(), 5.0f);
  lesson.markRight(lesson.passItemAt(1));
  lesson.markRight(lesson.passItemAt(1));
  EXPECT_EQ(lesson.weights().weightAt(1), 2.0f);
  EXPECT_EQ(lesson.weights().sum(), 4.0f);
}

TEST_F(ProgressTest, WeightsTooLargeToAddUpAreDamaged) {
  // Each is finite, but their sum, or the sum scaled by a draw, is not:
  // every Review draw would miss.
  const std::string cases[] = {progressFile({3e38f, 3e38f, 3e38f}),
                               progressFile({1e35f, 1.0f, 1.0f})};
  for (const std::string& bytes : cases) {
    std::wstring state = progress(L"a.gb.st", bytes);
    ItemWeights table;
    EXPECT_EQ(loadProgress(state, 3, table), ProgressStatus::Damaged);
    WeightedLesson lesson(lessonFile(L"a.gb", 3), state, 0);
    EXPECT_EQ(lesson.weights().sum(), 18.0f);
    lesson.saveProgress();
    EXPECT_EQ(readBytes(state), progressFile({6, 6, 6}, 18.0f));
  }
  // The largest sum a draw can still scale is kept.
  ItemWeights table;
  EXPECT_EQ(loadProgress(progress(L"b.gb.st", progressFile({1e34f})), 1, table),
            ProgressStatus::Loaded);
}

TEST_F(ProgressTest, SetFileTooHeavyTogetherWithTheOthersStartsAtSix) {
  WeightedLesson set(lessonFile(L"a.gb", 1), progress(L"a.gb.st", progressFile({1e34f})), 0);
  set.addFile(lessonFile(L"b.gb", 2), progress(L"b.gb.st", progressFile({1e34f, 2.0f})));
  EXPECT_EQ(set.weights().weightAt(0), 1e34f);
  EXPECT_EQ(set.weights().weightAt(1), 6.0f);
  EXPECT_EQ(set.weights().weightAt(2), 6.0f);
}

TEST_F(ProgressTest, WeightsAreReadWhateverTheStoredInitialWeight) {
  std::string bytes = progressFile({2.0f, 3.0f});
  bytes.replace(0, 4, le32(0x7fc00000));  // not a number
  WeightedLesson lesson(lessonFile(L"a.gb", 2), progress(L"a.gb.st", bytes), 0);
  EXPECT_EQ(lesson.weights().weightAt(0), 2.0f);
  EXPECT_EQ(lesson.weights().sum(), 5.0f);
}

TEST_F(ProgressTest, TrackingOffLeavesWeightsAlone) {
  WeightedLesson lesson(lessonFile(L"a.gb", 2), folder.path(L"a.gb.st"), 0);
  lesson.setTrackWrong(false);
  lesson.markWrong(lesson.passItemAt(0));
  lesson.markRight(lesson.passItemAt(1));
  EXPECT_EQ(lesson.weights().sum(), 12.0f);
  EXPECT_EQ(lesson.wrongCount(), 1);
}

TEST_F(ProgressTest, ItemOfAnotherLessonChangesNoWeight) {
  WeightedLesson lesson(lessonFile(L"a.gb", 2), folder.path(L"a.gb.st"), 0);
  WeightedLesson other(lessonFile(L"b.gb", 2), folder.path(L"b.gb.st"), 0);
  lesson.markWrong(other.passItemAt(0));
  lesson.markRight(other.passItemAt(1));
  lesson.markRight(other.passItemAt(1));
  EXPECT_EQ(lesson.weights().weightAt(0), 6.0f);
  EXPECT_EQ(lesson.weights().weightAt(1), 6.0f);
  EXPECT_EQ(lesson.weights().sum(), 12.0f);
  EXPECT_EQ(lesson.wrongCount(), 1);
}

TEST_F(ProgressTest, ResetGivesEveryItemSixAgain) {
  WeightedLesson lesson(lessonFile(L"a.gb", 2), progress(L"a.gb.st", progressFile({2.0f, 30.0f})), 0);
  lesson.resetWeights();
  EXPECT_EQ(lesson.weights().weightAt(1), 6.0f);
  EXPECT_EQ(lesson.weights().sum(), 12.0f);
}

TEST_F(ProgressTest, UnusableProgressFilesGiveDefaultsAndAreRewritten) {
  struct Case {
    const char* what;
    std::string bytes;
    ProgressStatus status;
  };
  const Case cases[] = {
      {"empty", "", ProgressStatus::Damaged},
      {"header cut short", progressFile({}).substr(0, 10), ProgressStatus::Damaged},
      {"fewer weights than announced", progressFile({2.0f, 2.0f}, 0, 3), ProgressStatus::Damaged},
      {"count of another lesson", progressFile({2.0f, 2.0f}), ProgressStatus::Stale},
      {"absurd count", progressFile({2.0f}, 0, 0x7fffffff), ProgressStatus::Stale},
      {"negative count", progressFile({2.0f}, 0, -5), ProgressStatus::Stale},
      {"minimum not a number",
       leFloat(6.0f) + leFloat(0) + le32(0x7fc00000) + le32(3) + progressFile({1, 2, 3}).substr(16),
       ProgressStatus::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::wstring state = progress(L"a.gb.st", c.bytes);
    ItemWeights table;
    EXPECT_EQ(loadProgress(state, 3, table), c.status);
    WeightedLesson lesson(lessonFile(L"a.gb", 3), state, 0);
    EXPECT_EQ(lesson.weights().count(), 3);
    EXPECT_EQ(lesson.weights().sum(), 18.0f);
    lesson.saveProgress();
    EXPECT_EQ(readBytes(state), progressFile({6, 6, 6}, 18.0f));
  }
  ItemWeights table;
  EXPECT_EQ(loadProgress(folder.path(L"none.st"), 2, table), ProgressStatus::Missing);
  EXPECT_EQ(table.count(), 2);
}

TEST_F(ProgressTest, FailedSaveKeepsThePreviousProgress) {
  std::string before = progressFile({2.0f, 3.0f});
  std::wstring state = progress(L"a.gb.st", before);
  WeightedLesson lesson(lessonFile(L"a.gb", 2), state, 0);
  lesson.markWrong(lesson.passItemAt(0));
  // The new file is written beside the old one first; make that impossible.
  std::filesystem::create_directory(std::filesystem::path(state + L".new"));
  lesson.saveProgress();
  EXPECT_EQ(readBytes(state), before);
}

TEST_F(ProgressTest, SavingReplacesAHiddenProgressFile) {
  std::wstring state = folder.path(L"a.gb.st");
  WeightedLesson lesson(lessonFile(L"a.gb", 2), state, 0);
  lesson.saveProgress();
  lesson.markWrong(lesson.passItemAt(0));
  lesson.saveProgress();
  EXPECT_EQ(readBytes(state), progressFile({12.0f, 6.0f}, 18.0f));
#ifdef _WIN32
  DWORD attributes = GetFileAttributesW(state.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
#endif
}

TEST_F(ProgressTest, ReviewWithOneItemUsesThePass) {
  WeightedLesson lesson(lessonFile(L"a.gb", 1), folder.path(L"a.gb.st"), 0);
  lesson.setReview(true);
  lesson.startAll();
  LessonItem* only = lesson.nextItem();
  ASSERT_NE(only, nullptr);
  lesson.markRight(only);
  EXPECT_EQ(lesson.nextItem(), nullptr);
}

TEST_F(ProgressTest, ReviewAlternatesBetweenTwoEqualItems) {
  WeightedLesson lesson(lessonFile(L"a.gb", 2), folder.path(L"a.gb.st"), 0);
  seedRandom(5);  // a repeat needs the rarest draw; keep it out of this sequence
  lesson.setReview(true);
  lesson.startAll();
  LessonItem* previous = lesson.nextItem();
  for (int i = 0; i < 200; ++i) {
    LessonItem* next = lesson.nextItem();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, previous);
    previous = next;
  }
}

TEST_F(ProgressTest, ReviewGoesOnWhenTheDrawFallsBackToAFinishedPass) {
  // The heavy item is drawn a hundred times in a row now and then; the pass
  // gives an item instead, and is soon used up.
  WeightedLesson lesson(lessonFile(L"a.gb", 2),
                        progress(L"a.gb.st", progressFile({1.0f, 1000.0f})), 0);
  seedRandom(11);
  applyMode(lesson, LessonMode::Review);
  for (int i = 0; i < 100; ++i) {
    LessonItem* item = lesson.nextItem();
    ASSERT_NE(item, nullptr) << "call " << i;
    lesson.markRight(item);
  }
  // A new pass of all items is not a new start: the counters go on.
  EXPECT_EQ(lesson.rightCount(), 100);
}

TEST_F(ProgressTest, ReviewPrefersHeavyItems) {
  WeightedLesson lesson(lessonFile(L"a.gb", 3),
                        progress(L"a.gb.st", progressFile({1.0f, 1.0f, 200.0f})), 0);
  seedRandom(5);
  lesson.setReview(true);
  lesson.startAll();
  int heavy = 0;
  for (int i = 0; i < 1000; ++i) {
    if (lesson.nextItem() == lesson.itemAt(2)) ++heavy;
  }
  // About every other pick: it is not drawn twice in a row unless a hundred
  // draws all give it, and then the pass decides.
  EXPECT_GE(heavy, 450);
  EXPECT_LE(heavy, 700);
}

TEST_F(ProgressTest, LessonSetSavesEachFilesWeightsToItsOwnFile) {
  std::wstring firstState = folder.path(L"a.gb.st");
  std::wstring secondState = folder.path(L"b.gb.st");
  WeightedLesson set(lessonFile(L"a.gb", 3), firstState, 0);
  set.addFile(lessonFile(L"b.gb", 4), secondState);
  ASSERT_EQ(set.itemCount(), 7);
  ASSERT_EQ(set.fileRecords().size(), 2u);
  EXPECT_EQ(set.fileRecords()[1].itemCount, 4);
  set.markWrong(set.passItemAt(3));  // first item of the second file
  set.markWrong(set.passItemAt(6));
  set.markWrong(set.passItemAt(6));
  set.saveProgress();
  EXPECT_EQ(readBytes(firstState), progressFile({6, 6, 6}, 18.0f));
  EXPECT_EQ(readBytes(secondState), progressFile({12, 6, 6, 18}, 42.0f));
}

TEST_F(ProgressTest, SetSaveGoesOnAfterAFileThatCannotBeWritten) {
  std::wstring firstState = folder.path(L"a.gb.st");
  std::wstring unwritable = folder.path(L"no such folder/b.gb.st");
  std::wstring thirdState = folder.path(L"c.gb.st");
  WeightedLesson set(lessonFile(L"a.gb", 1), firstState, 0);
  set.addFile(lessonFile(L"b.gb", 1), unwritable);
  set.addFile(lessonFile(L"c.gb", 2), thirdState);
  set.markWrong(set.passItemAt(3));
  set.saveProgress();
  EXPECT_EQ(readBytes(firstState), progressFile({6}, 6.0f));
  EXPECT_EQ(readBytes(thirdState), progressFile({6, 12}, 18.0f));
}

TEST_F(ProgressTest, StaleSecondProgressFileKeepsTheFirstFilesWeights) {
  std::wstring firstState = progress(L"a.gb.st", progressFile({2.0f, 9.0f, 4.0f}));
  std::wstring secondState = progress(L"b.gb.st", progressFile({7.0f, 7.0f}));
  WeightedLesson set(lessonFile(L"a.gb", 3), firstState, 0);
  set.addFile(lessonFile(L"b.gb", 4), secondState);
  const ItemWeights& w = set.weights();
  ASSERT_EQ(w.count(), 7);
  EXPECT_EQ(w.weightAt(0), 2.0f);
  EXPECT_EQ(w.weightAt(1), 9.0f);
  EXPECT_EQ(w.weightAt(2), 4.0f);
  for (int i = 3; i < 7; ++i) EXPECT_EQ(w.weightAt(i), 6.0f);
  EXPECT_EQ(w.sum(), 39.0f);
}

TEST_F(ProgressTest, SetFileThatCannotBeOpenedAddsNothingAndKeepsItsProgress) {
  // Its lesson may only be out of reach for now (a storage card taken out):
  // saving must not wipe the weights it had.
  std::string kept = progressFile({2.0f, 9.0f});
  std::wstring keptState = progress(L"away.gb.st", kept);
  WeightedLesson set(lessonFile(L"a.gb", 2), folder.path(L"a.gb.st"), 0);
  set.addFile(folder.path(L"none.gb"), folder.path(L"none.gb.st"));
  set.addFile(folder.path(L"away.gb"), keptState);
  set.addFile(lessonFile(L"b.gb", 1), folder.path(L"b.gb.st"));
  EXPECT_EQ(set.itemCount(), 3);
  EXPECT_EQ(set.weights().count(), 3);
  set.markWrong(set.passItemAt(2));
  set.saveProgress();
  EXPECT_FALSE(pathExists(folder.path(L"none.gb.st")));
  EXPECT_EQ(readBytes(keptState), kept);
  EXPECT_EQ(readBytes(folder.path(L"a.gb.st")), progressFile({6, 6}, 12.0f));
  EXPECT_EQ(readBytes(folder.path(L"b.gb.st")), progressFile({12}, 12.0f));

  WeightedLesson missing(folder.path(L"away.gb"), keptState, 0);
  missing.saveProgress();
  EXPECT_EQ(readBytes(keptState), kept);
}

TEST_F(ProgressTest, EmptyLessonFileStillSavesItsProgress) {
  WeightedLesson lesson(lessonFile(L"a.gb", 0), folder.path(L"a.gb.st"), 0);
  lesson.saveProgress();
  EXPECT_EQ(readBytes(folder.path(L"a.gb.st")), progressFile({}, 0.0f));
}

}  // namespace
}  // namespace morvane
