// The study screen's state table, settings values and data file names.
#include <gtest/gtest.h>

#include "app/data_files.h"
#include "app/settings.h"
#include "app/study_state.h"

namespace morvane {
namespace {

TEST(StudyState, FollowsLessonItemAndReveal) {
  EXPECT_EQ(studyState(false, false, false), StudyState::NoLesson);
  EXPECT_EQ(studyState(true, true, false), StudyState::ItemHidden);
  EXPECT_EQ(studyState(true, true, true), StudyState::ItemShown);
  EXPECT_EQ(studyState(true, false, true), StudyState::PassFinished);
}

TEST(StudyState, ButtonsOfEachState) {
  StudyButtons b = buttonsFor(StudyState::NoLesson);
  EXPECT_TRUE(b.show.visible && !b.show.enabled);
  EXPECT_FALSE(b.right.visible || b.wrong.visible || b.restart.visible);
  EXPECT_FALSE(b.restart.enabled);

  b = buttonsFor(StudyState::ItemHidden);
  EXPECT_TRUE(b.show.visible && b.show.enabled);
  EXPECT_TRUE(!b.restart.visible && b.restart.enabled);
  EXPECT_FALSE(b.right.visible || b.right.enabled || b.wrong.visible || b.wrong.enabled);

  b = buttonsFor(StudyState::ItemShown);
  EXPECT_TRUE(b.right.visible && b.right.enabled && b.wrong.visible && b.wrong.enabled);
  EXPECT_FALSE(b.show.visible || b.show.enabled || b.restart.visible || b.restart.enabled);

  b = buttonsFor(StudyState::PassFinished);
  EXPECT_TRUE(b.restart.visible && b.restart.enabled);
  EXPECT_FALSE(b.show.visible || b.show.enabled || b.right.visible || b.wrong.visible);
}

TEST(StudyState, DownKeyShowsMarksRightOrRestarts) {
  EXPECT_EQ(downKeyAction(StudyState::NoLesson), KeyAction::None);
  EXPECT_EQ(downKeyAction(StudyState::ItemHidden), KeyAction::Show);
  EXPECT_EQ(downKeyAction(StudyState::ItemShown), KeyAction::Right);
  EXPECT_EQ(downKeyAction(StudyState::PassFinished), KeyAction::Restart);
}

size_t bytes(const wchar_t* text) { return (wcslen(text) + 1) * sizeof(wchar_t); }

TEST(Settings, DefaultsOfAFirstStart) {
  const Settings s;
  EXPECT_EQ(s.lessonMode, 120);
  EXPECT_TRUE(s.showMeaning && s.showReading && s.trackWrong && s.largeStrokes &&
              s.strokeFeedback && s.showCanvas);
  EXPECT_FALSE(s.showHanzi);
}

TEST(Settings, ModeNamesMatchExactly) {
  EXPECT_EQ(modeFromValue(L"Normal", bytes(L"Normal")), 120);
  EXPECT_EQ(modeFromValue(L"Quiz 25", bytes(L"Quiz 25")), 121);
  EXPECT_EQ(modeFromValue(L"Quiz 50", bytes(L"Quiz 50")), 122);
  EXPECT_EQ(modeFromValue(L"Review", bytes(L"Review")), 123);
  EXPECT_EQ(modeFromValue(L"review", bytes(L"review")), -1);
  EXPECT_EQ(modeFromValue(L"Quiz 2", bytes(L"Quiz 2")), -1);
  EXPECT_EQ(modeFromValue(L"", bytes(L"")), -1);
}

TEST(Settings, ModeWithoutItsZeroIsIgnored) {
  const wchar_t text[] = L"Review";
  EXPECT_EQ(modeFromValue(text, 6 * sizeof(wchar_t)), -1);
  EXPECT_EQ(modeFromValue(text, 7 * sizeof(wchar_t)), 123);
  EXPECT_EQ(modeFromValue(nullptr, 0), -1);
}

TEST(Settings, NamesOfTheFourCodesOnly) {
  EXPECT_STREQ(modeName(120), L"Normal");
  EXPECT_STREQ(modeName(123), L"Review");
  EXPECT_EQ(modeName(119), nullptr);
  EXPECT_EQ(modeName(124), nullptr);
}

TEST(Settings, OnlyOneIsOn) {
  EXPECT_TRUE(switchFromValue(1));
  EXPECT_FALSE(switchFromValue(0));
  EXPECT_FALSE(switchFromValue(2));
  EXPECT_FALSE(switchFromValue(0x101));
}

TEST(DataFiles, MainStoreThenThreeFoldersPerCardUpToTen) {
  EXPECT_EQ(searchFolderList({}),
            (std::vector<std::wstring>{L"\\Windows", L"\\Program Files\\Kelvaro", L"\\Kelvaro"}));
  const auto withCard = searchFolderList({L"SD"});
  ASSERT_EQ(withCard.size(), 6u);
  EXPECT_EQ(withCard[3], L"\\SD");
  EXPECT_EQ(withCard[4], L"\\SD\\Kelvaro");
  EXPECT_EQ(withCard[5], L"\\SD\\Program Files\\Kelvaro");
  const std::vector<std::wstring> twelve(12, L"C");
  EXPECT_EQ(searchFolderList(twelve).size(), 3u + 3u * 10u);
}

TEST(DataFiles, FontPairOfEachEncoding) {
  EXPECT_STREQ(fontFilesFor(EncodingCode::EucJp).large, L"kanji24.hbf");
  EXPECT_STREQ(fontFilesFor(EncodingCode::Iso2022Jp).small, L"jis16.hbf");
  EXPECT_STREQ(fontFilesFor(EncodingCode::Big5).small, L"dxib5p.hbf");
  EXPECT_STREQ(fontFilesFor(EncodingCode::EucKr).large, L"uwksc-16.hbf");
  EXPECT_STREQ(fontFilesFor(EncodingCode::Gb).large, L"dxi24.hbf");
  EXPECT_STREQ(fontFilesFor(EncodingCode::Sjs).small, L"dxi24.hbf");
}

TEST(DataFiles, SimplifiedStrokeDataForGbCodesTraditionalForBig5) {
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::Gb), &kSimplifiedDatabases);
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::Sjs), &kSimplifiedDatabases);
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::Unicode), &kSimplifiedDatabases);
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::Big5), &kTraditionalDatabases);
  EXPECT_STREQ(kTraditionalDatabases.small, L"strokescht");
  EXPECT_STREQ(kTraditionalDatabases.large, L"lgstrokescht");
  EXPECT_STREQ(kTraditionalDatabases.feedback, L"feedbkcht");
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::EucKr), nullptr);
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::EucJp), nullptr);
  EXPECT_EQ(strokeDatabasesFor(EncodingCode::Iso2022Jp), nullptr);
}

TEST(DataFiles, DisplayNameIsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(lessonDisplayName(L"\\My Documents\\week1.gb"), L"week1");
  EXPECT_EQ(lessonDisplayName(L"C:\\a.b\\two.dots.gb"), L"two");
  EXPECT_EQ(lessonDisplayName(L"plain"), L"plain");
  EXPECT_EQ(lessonDisplayName(L"nodir.b5"), L"nodir");
  EXPECT_EQ(lessonDisplayName(L"\\folder\\"), L"folder");
  EXPECT_EQ(lessonDisplayName(L"\\x\\.hidden.gb"), L"hidden");
}

}  // namespace
}  // namespace morvane
