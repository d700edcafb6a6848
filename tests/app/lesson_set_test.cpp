// Multi-Open's reading of a lesson set and the filter list of Open.
#include "app/lesson_set.h"

#include <gtest/gtest.h>

#include "app/open_filter.h"
#include "lesson_test_support.h"

namespace morvane {
namespace {

using morvane::testing::ScratchFolder;

TEST(ReadLessonSet, NoFilesNoLesson) { EXPECT_EQ(readLessonSet({}), nullptr); }

TEST(ReadLessonSet, EveryFileAddsItsItemsWithItsOwnProgressFile) {
  ScratchFolder folder;
  const std::wstring a = folder.write(L"a.gb", morvane::testing::gbItems(2));
  const std::wstring b = folder.write(L"b.gb", morvane::testing::gbItems(3));
  std::unique_ptr<WeightedLesson> lesson = readLessonSet({a, b});
  ASSERT_NE(lesson, nullptr);
  EXPECT_EQ(lesson->itemCount(), 5);
  ASSERT_EQ(lesson->fileRecords().size(), 2u);
  EXPECT_EQ(lesson->fileRecords()[0].progressPath, a + L".st");
  EXPECT_EQ(lesson->fileRecords()[1].progressPath, b + L".st");
  EXPECT_EQ(lesson->fileRecords()[1].itemCount, 3);
}

TEST(LessonSetEncoding, FilesOfAnotherEncodingThanTheFirstAreTakenOut) {
  std::vector<std::wstring> paths = {L"\\a\\one.b5", L"\\a\\two.gb", L"\\b\\three.B5",
                                     L"\\b\\four.euc", L"\\b\\five.b5"};
  const std::vector<std::wstring> refused = takeOtherEncodings(paths);
  EXPECT_EQ(paths, (std::vector<std::wstring>{L"\\a\\one.b5", L"\\b\\three.B5",
                                              L"\\b\\five.b5"}));
  EXPECT_EQ(refused, (std::vector<std::wstring>{L"\\a\\two.gb", L"\\b\\four.euc"}));

  std::vector<std::wstring> one = {L"x.gb"};
  EXPECT_TRUE(takeOtherEncodings(one).empty());
  std::vector<std::wstring> none;
  EXPECT_TRUE(takeOtherEncodings(none).empty());
}

TEST(LessonSetEncoding, TheMessageNamesTenFilesAndCountsTheRest) {
  EXPECT_EQ(otherEncodingsMessage(L"\\My Documents\\one.b5", {L"\\My Documents\\two.gb"}),
            L"A lesson set is in one encoding, Big5 like one.b5. These files were not added:\n"
            L"\ntwo.gb (GB 2312)");
  std::vector<std::wstring> refused;
  for (int i = 1; i <= 12; ++i) refused.push_back(L"\\d\\f" + std::to_wstring(i) + L".euk");
  const std::wstring text = otherEncodingsMessage(L"x.gb", refused);
  EXPECT_NE(text.find(L"\nf10.euk (EUC-KR)\n...and 2 more."), std::wstring::npos) << text;
  EXPECT_EQ(text.find(L"f11"), std::wstring::npos);
  EXPECT_EQ(text.substr(text.size() - 11), L"and 2 more.");
}

TEST(OpenFileFilter, SevenPairsInOrderEndedByAnEmptyString) {
  const std::wstring filter = openFileFilter();
  std::vector<std::wstring> parts;
  for (size_t at = 0; at < filter.size() && filter[at] != L'\0';) {
    const size_t end = filter.find(L'\0', at);
    parts.push_back(filter.substr(at, end - at));
    at = end + 1;
  }
  EXPECT_EQ(parts, (std::vector<std::wstring>{
                       L"GB Files (*.GB)", L"*.gb", L"BIG5 Files (*.B5)", L"*.b5",
                       L"EUC Files (*.EUC)", L"*.euc", L"JIS Files (*.JIS)", L"*.jis",
                       L"EUCK Files (*.EUK)", L"*.euk", L"KF Files (*.KF)", L"*.kf",
                       L"All Files (*.*)", L"*.*"}));
  ASSERT_GE(filter.size(), 2u);
  EXPECT_EQ(filter.substr(filter.size() - 2), std::wstring(2, L'\0'));
}

}  // namespace
}  // namespace morvane
