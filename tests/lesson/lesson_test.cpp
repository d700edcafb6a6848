// Lessons: reading files into items, and passes in every lesson mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "lesson/lesson.h"
#include "lesson/lesson_mode.h"
#include "lesson/random.h"
#include "lesson/weighted_lesson.h"
#include "lesson_test_support.h"

namespace morvane {
namespace {

using testing::gbItems;
using testing::ScratchFolder;

// Position of each item of the pass in the lesson's file order.
std::vector<int> passIndexes(Lesson& lesson) {
  std::vector<int> indexes;
  for (int32_t i = 0; i < lesson.passSize(); ++i) {
    LessonItem* item = lesson.passItemAt(i);
    for (int32_t k = 0; k < lesson.itemCount(); ++k) {
      if (lesson.itemAt(k) == item) indexes.push_back(k);
    }
  }
  return indexes;
}

// Lessons seed the generator from the clock; tests that count on a draw
// reseed it after construction.
class LessonTest : public ::testing::Test {
 protected:
  ScratchFolder folder;
};

TEST_F(LessonTest, ReadsEveryItemAndStartsWithAllInThePass) {
  Lesson lesson(folder.write(L"a.gb", gbItems(5)), 0);
  EXPECT_EQ(lesson.itemCount(), 5);
  EXPECT_EQ(lesson.passSize(), 5);
  EXPECT_EQ(passIndexes(lesson), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(lesson.passItemAt(5), nullptr);
  EXPECT_EQ(lesson.rightRatio(), 1.0f);
}

TEST_F(LessonTest, MissingFileOrUnicodeExtensionGivesAnEmptyLesson) {
  Lesson missing(folder.path(L"none.gb"), 0);
  EXPECT_EQ(missing.itemCount(), 0);
  EXPECT_EQ(missing.nextItem(), nullptr);
  Lesson unicode(folder.write(L"a.uni", gbItems(3)), 0);
  EXPECT_EQ(unicode.itemCount(), 0);
  EXPECT_EQ(unicode.nextItem(), nullptr);
  EXPECT_EQ(unicode.rightRatio(), 1.0f);
}

TEST_F(LessonTest, ItemLimitStopsReading) {
  Lesson lesson(folder.write(L"a.gb", gbItems(10)), 4);
  EXPECT_EQ(lesson.itemCount(), 4);
}

TEST_F(LessonTest, DictionarySizedLessonIsReadWhole) {
  // Word lists in this format run to a hundred thousand entries and more.
  const int kItems = 100000;
  std::string bytes;
  for (int i = 0; i < kItems; ++i) {
    bytes += static_cast<char>(0xB0 + i / 94 % 70);
    bytes += static_cast<char>(0xA1 + i % 94);
    bytes += " [a] /m/\r\n";
  }
  Lesson lesson(folder.write(L"a.gb", bytes), 0);
  EXPECT_EQ(lesson.itemCount(), kItems);
}

TEST_F(LessonTest, EncodingComesFromTheExtension) {
  // The same bytes read as EUC-JP are folded to 7 bits.
  Lesson lesson(folder.write(L"a.euc", gbItems(1)), 0);
  ASSERT_EQ(lesson.itemCount(), 1);
  EXPECT_EQ(lesson.itemAt(0)->hanzi()[0].code(), 0x3021);
}

TEST_F(LessonTest, FurtherFilesAppendAndResetCounters) {
  Lesson lesson(folder.write(L"a.gb", gbItems(2)), 0);
  lesson.markRight(lesson.nextItem());
  lesson.addFile(folder.write(L"b.gb", gbItems(3)), L"");
  EXPECT_EQ(lesson.itemCount(), 5);
  EXPECT_EQ(lesson.passSize(), 5);
  EXPECT_EQ(lesson.rightCount(), 0);

  lesson.markWrong(lesson.nextItem());
  lesson.appendFile(folder.path(L"b.gb"));
  EXPECT_EQ(lesson.itemCount(), 8);
  EXPECT_EQ(lesson.wrongCount(), 1);
  EXPECT_EQ(lesson.passSize(), 5);
}

TEST_F(LessonTest, OpenFileIsReadWithTheEncodingOfItsPath) {
  Lesson lesson(folder.path(L"none.gb"), 0);
  std::wstring path = folder.write(L"b.gb", gbItems(3));
  lesson.addOpenFile(OpenLessonFile{openFileForRead(path), path}, L"");
  EXPECT_EQ(lesson.itemCount(), 3);
}

TEST_F(LessonTest, EveryItemOnceThenTheWrongOnesAfterTheRest) {
  Lesson lesson(folder.write(L"a.gb", gbItems(5)), 0);
  lesson.startAll();
  std::set<LessonItem*> asked;
  std::vector<LessonItem*> wrong;
  for (int i = 0; i < 5; ++i) {
    LessonItem* item = lesson.nextItem();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(asked.insert(item).second) << "asked twice in a pass";
    if (i < 2) {
      lesson.markWrong(item);
      wrong.push_back(item);
    } else {
      lesson.markRight(item);
    }
  }
  // Only the two wrong items come back, then the pass is through.
  std::set<LessonItem*> again{lesson.nextItem(), lesson.nextItem()};
  EXPECT_EQ(again, std::set<LessonItem*>(wrong.begin(), wrong.end()));
  lesson.markRight(wrong[0]);
  lesson.markRight(wrong[1]);
  EXPECT_EQ(lesson.nextItem(), nullptr);
  EXPECT_EQ(lesson.rightCount(), 5);
  EXPECT_EQ(lesson.wrongCount(), 2);
  EXPECT_EQ(lesson.answeredCount(), 7);
  EXPECT_FLOAT_EQ(lesson.rightRatio(), 5.0f / 7.0f);
}

TEST_F(LessonTest, WrongItemComesBackUntilAnsweredRight) {
  Lesson lesson(folder.write(L"a.gb", gbItems(2)), 0);
  lesson.startAll();
  LessonItem* first = lesson.nextItem();
  lesson.markWrong(first);
  lesson.markRight(lesson.nextItem());
  EXPECT_EQ(lesson.nextItem(), first);
  lesson.markWrong(first);
  EXPECT_EQ(lesson.nextItem(), first);
  lesson.markRight(first);
  EXPECT_EQ(lesson.nextItem(), nullptr);
  EXPECT_EQ(lesson.nextItem(), nullptr);
}

TEST_F(LessonTest, QuizOfMoreItemsThanTheLessonHasKeepsThemAll) {
  Lesson lesson(folder.write(L"a.gb", gbItems(3)), 0);
  for (int32_t n : {3, 25, INT32_MAX}) {
    lesson.startQuiz(n);
    EXPECT_EQ(lesson.passSize(), 3);
    EXPECT_EQ(passIndexes(lesson), (std::vector<int>{0, 1, 2}));
  }
}

TEST_F(LessonTest, QuizTakesDistinctItemsInFileOrderAndRestartDrawsAnew) {
  Lesson lesson(folder.write(L"a.gb", gbItems(100)), 0);
  seedRandom(12345);
  lesson.startQuiz(25);
  EXPECT_EQ(lesson.passSize(), 25);
  std::vector<int> first = passIndexes(lesson);
  ASSERT_EQ(first.size(), 25u);
  EXPECT_TRUE(std::is_sorted(first.begin(), first.end()));
  EXPECT_EQ(std::set<int>(first.begin(), first.end()).size(), 25u);

  bool different = false;
  for (int round = 0; round < 5 && !different; ++round) {
    lesson.restart();
    EXPECT_EQ(lesson.passSize(), 25);
    std::vector<int> next = passIndexes(lesson);
    EXPECT_TRUE(std::is_sorted(next.begin(), next.end()));
    different = next != first;
  }
  EXPECT_TRUE(different);
}

TEST_F(LessonTest, QuizOfNoOrANegativeNumberOfItemsIsAnEmptyPass) {
  Lesson lesson(folder.write(L"a.gb", gbItems(4)), 0);
  for (int32_t n : {0, -1, -100, INT32_MIN + 1, INT32_MIN}) {
    lesson.startQuiz(n);
    EXPECT_EQ(lesson.passSize(), 0);
    EXPECT_EQ(lesson.nextItem(), nullptr);
  }
}

TEST_F(LessonTest, QuizStartResetsTheCountersAndTheWrongItems) {
  Lesson lesson(folder.write(L"a.gb", gbItems(4)), 0);
  lesson.markWrong(lesson.nextItem());
  lesson.startQuiz(2);
  EXPECT_EQ(lesson.wrongCount(), 0);
  lesson.markRight(lesson.nextItem());
  lesson.markRight(lesson.nextItem());
  EXPECT_EQ(lesson.nextItem(), nullptr);
}

TEST_F(LessonTest, StartAllForgetsTheWrongItemsOfThePassBefore) {
  Lesson lesson(folder.write(L"a.gb", gbItems(3)), 0);
  lesson.markWrong(lesson.nextItem());
  lesson.startAll();
  std::set<LessonItem*> asked;
  for (int i = 0; i < 3; ++i) {
    LessonItem* item = lesson.nextItem();
    ASSERT_NE(item, nullptr);
    asked.insert(item);
    lesson.markRight(item);
  }
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_EQ(lesson.nextItem(), nullptr);
}

// Counts the calls that reach nextItem through the virtual table.
class CountingLesson : public Lesson {
 public:
  using Lesson::Lesson;
  LessonItem* nextItem() override {
    ++calls;
    return Lesson::nextItem();
  }
  int calls = 0;
};

TEST_F(LessonTest, WrongItemsComeBackThroughTheDerivedLessonsPick) {
  // So that Review, not the plain pick, chooses among the refilled items.
  CountingLesson lesson(folder.write(L"a.gb", gbItems(1)), 0);
  LessonItem* only = lesson.nextItem();
  lesson.markWrong(only);
  lesson.calls = 0;
  EXPECT_EQ(lesson.nextItem(), only);
  EXPECT_EQ(lesson.calls, 2);
}

TEST_F(LessonTest, RestartOfAFullPassAsksEveryItemAgain) {
  Lesson lesson(folder.write(L"a.gb", gbItems(6)), 0);
  lesson.startAll();
  lesson.nextItem();
  lesson.restart();
  EXPECT_EQ(lesson.passSize(), 6);
  EXPECT_EQ(passIndexes(lesson), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(LessonTest, ModesStartTheirPasses) {
  WeightedLesson lesson(folder.write(L"a.gb", gbItems(60)), folder.path(L"a.gb.st"), 0);
  applyMode(lesson, LessonMode::Quiz25);
  EXPECT_EQ(lesson.passSize(), 25);
  applyMode(lesson, LessonMode::Quiz50);
  EXPECT_EQ(lesson.passSize(), 50);
  applyMode(lesson, LessonMode::Normal);
  EXPECT_EQ(lesson.passSize(), 60);
  applyMode(lesson, static_cast<LessonMode>(999));
  EXPECT_EQ(lesson.passSize(), 60);
  EXPECT_EQ(static_cast<int>(LessonMode::Review), 123);
}

TEST_F(LessonTest, EveryOtherModeEndsReview) {
  WeightedLesson lesson(folder.write(L"a.gb", gbItems(60)), folder.path(L"a.gb.st"), 0);
  for (LessonMode mode : {LessonMode::Quiz25, LessonMode::Quiz50, LessonMode::Normal}) {
    SCOPED_TRACE(static_cast<int>(mode));
    applyMode(lesson, LessonMode::Review);
    applyMode(lesson, mode);
    int asked = 0;
    while (LessonItem* item = lesson.nextItem()) {
      lesson.markRight(item);
      if (++asked > 100) break;
    }
    EXPECT_EQ(asked, lesson.passSize());
  }
}

TEST_F(LessonTest, ReviewModeDoesNotUseUpThePassUntilAnotherModeIsApplied) {
  WeightedLesson lesson(folder.write(L"a.gb", gbItems(3)), folder.path(L"a.gb.st"), 0);
  seedRandom(12345);
  applyMode(lesson, LessonMode::Review);
  for (int i = 0; i < 20; ++i) {
    LessonItem* item = lesson.nextItem();
    ASSERT_NE(item, nullptr);
    lesson.markRight(item);
  }
  applyMode(lesson, LessonMode::Normal);
  for (int i = 0; i < 3; ++i) lesson.markRight(lesson.nextItem());
  EXPECT_EQ(lesson.nextItem(), nullptr);
}

TEST(RandomNumbers, RangeAndRepeatability) {
  seedRandom(7);
  std::vector<int32_t> first;
  int32_t low = 32767, high = 0;
  for (int i = 0; i < 100000; ++i) {
    int32_t r = nextRandom();
    low = std::min(low, r);
    high = std::max(high, r);
    if (i < 10) first.push_back(r);
  }
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 32767);
  seedRandom(7);
  for (int32_t r : first) EXPECT_EQ(nextRandom(), r);
}

TEST(RandomNumbers, IndexStaysBelowItsCountAndReachesEveryIndex) {
  seedRandom(99);
  for (int32_t count : {1, 2, 3, 7, 100, 65536}) {
    std::set<int32_t> seen;
    for (int i = 0; i < 200000; ++i) {
      int32_t index = randomIndex(count);
      ASSERT_GE(index, 0);
      ASSERT_LT(index, count);
      if (count <= 100) seen.insert(index);
    }
    if (count <= 100) {
      EXPECT_EQ(seen.size(), static_cast<size_t>(count));
    }
  }
}

TEST(RandomNumbers, IndexIsTheCountScaledByTheNumberOver32768) {
  struct Case {
    int32_t r, count, index;
  };
  // 10923 / 32768 × 3 = 1.00003; 10922 / 32768 × 3 = 0.99994.
  const Case cases[] = {{0, 3, 0}, {10922, 3, 0}, {10923, 3, 1}, {32767, 3, 2},
                        {32767, 65536, 65534}, {16384, 7, 3}};
  for (const Case& c : cases) {
    seedRandom(testing::seedGivingFirst(c.r));
    EXPECT_EQ(randomIndex(c.count), c.index) << c.r << " of " << c.count;
  }
}

TEST(RandomNumbers, TimeOfDaySeedWeighsMinutesTwiceAsMuchAsSeconds) {
  EXPECT_EQ(seedForTime(0, 0, 0), 0u);
  EXPECT_EQ(seedForTime(7, 30, 250), 44250u);
  EXPECT_EQ(seedForTime(59, 59, 999), 177999u);
  EXPECT_LE(timeOfDaySeed(), 177999u);
}

}  // namespace
}  // namespace morvane
