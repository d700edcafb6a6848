// The editor's behaviour behind its dialog: navigation, checking, File commands.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

#include "core/lesson_editor_dialog.h"
#include "editor_test_support.h"
#include "memory_disk.h"
#include "scripted_ports.h"

namespace quillmark {
namespace {

using fakes::FakeCodec;
using fakes::kNiHao;
using fakes::kNiHaoBytes;
using fakes::kZhong;
using fakes::ScriptedChooser;
using fakes::ScriptedPrompt;
using fakes::StringSource;

// Edit boxes and a list box in memory; setting texts notifies like EN_CHANGE.
class FakeControls : public DialogControls {
 public:
  LessonEditorDialog* editor = nullptr;
  std::wstring hanzi, reading, meaning, title;
  std::vector<std::wstring> lines;
  int selection = -1;
  int aboutShown = 0;
  int lineInserts = 0;

  void type(const std::wstring& h, const std::wstring& r = L"", const std::wstring& m = L"") {
    hanzi = h;
    reading = r;
    meaning = m;
    editor->textChanged();
  }

  std::wstring hanziText() override { return hanzi; }
  std::wstring readingText() override { return reading; }
  std::wstring meaningText() override { return meaning; }
  void setTexts(const EditorItem& item) override {
    hanzi = item.fieldText(Field::Hanzi);
    reading = item.fieldText(Field::Reading);
    meaning = item.fieldText(Field::Meaning);
    editor->textChanged();
  }
  void insertListLine(int index, const std::wstring& text) override {
    lines.insert(lines.begin() + index, text);
    ++lineInserts;
  }
  void deleteListLine(int index) override {
    lines.erase(lines.begin() + index);
    selection = -1;
  }
  void clearList() override {
    lines.clear();
    selection = -1;
  }
  void setListLines(const std::vector<std::wstring>& all) override {
    lines = all;
    selection = -1;
  }
  void selectListLine(int index) override {
    selection = index < static_cast<int>(lines.size()) ? index : -1;
  }
  int listSelection() override { return selection; }
  void focusHanzi() override {}
  void setWindowTitle(const std::wstring& text) override { title = text; }
  void showAbout() override { ++aboutShown; }
};

class MemoryStorage : public LessonStorage {
 public:
  std::map<std::wstring, std::string> files;
  std::set<std::wstring> broken;

  std::unique_ptr<ByteSource> openForRead(const std::wstring& path) override {
    auto found = files.find(path);
    if (found == files.end() || broken.count(path)) return nullptr;
    return std::make_unique<StringSource>(found->second);
  }
  bool replaceContents(const std::wstring& path, const std::string& bytes) override {
    if (broken.count(path)) return false;
    files[path] = bytes;
    return true;
  }
};

class LessonEditorTest : public ::testing::Test {
 protected:
  LessonEditorTest() : editor(controls, prompt, chooser, storage, codec) {
    controls.editor = &editor;
    editor.start();
  }

  size_t count() const { return editor.items().size(); }
  std::wstring hanziAt(int index) const { return editor.items()[index].fieldText(Field::Hanzi); }

  // Items 你好, 中 and an empty last one, showing 中.
  void enterTwoItems() {
    controls.type(kNiHao, L"ni3 hao3", L"hello");
    editor.next();
    controls.type(kZhong, L"zhong1", L"middle");
    editor.next();
    editor.previous();
  }

  FakeControls controls;
  ScriptedPrompt prompt;
  ScriptedChooser chooser;
  MemoryStorage storage;
  FakeCodec codec;
  LessonEditorDialog editor;
};

TEST_F(LessonEditorTest, StartsWithOneEmptyUnmodifiedItem) {
  EXPECT_EQ(count(), 1u);
  EXPECT_EQ(controls.lines, std::vector<std::wstring>{L""});
  EXPECT_EQ(controls.selection, 0);
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: (New)");
}

TEST_F(LessonEditorTest, NextStoresTheItemAndAddsAnEmptyOne) {
  controls.type(kNiHao, L"ni3 hao3", L"hello");
  editor.next();
  ASSERT_EQ(count(), 2u);
  EXPECT_EQ(hanziAt(0), kNiHao);
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"hello");
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{kNiHao, L""}));
  EXPECT_EQ(editor.currentIndex(), 1);
  EXPECT_EQ(controls.hanzi, L"");
  EXPECT_TRUE(editor.modified());
}

TEST_F(LessonEditorTest, NextOnAnEmptyLastItemAddsNothing) {
  editor.next();
  EXPECT_EQ(count(), 1u);
  controls.type(kZhong);
  editor.next();
  editor.next();
  EXPECT_EQ(count(), 2u);
  EXPECT_EQ(editor.currentIndex(), 1);
}

TEST_F(LessonEditorTest, NavigationKeepsModifiedAsItWas) {
  enterTwoItems();
  storage.files[L"C:\\l.gb"];
  chooser.paths = {L"C:\\l.gb"};
  editor.save();
  ASSERT_FALSE(editor.modified());
  editor.previous();
  EXPECT_EQ(controls.hanzi, kNiHao);
  EXPECT_EQ(controls.reading, L"ni3 hao3");
  EXPECT_FALSE(editor.modified());
  editor.next();
  EXPECT_EQ(controls.hanzi, kZhong);
  controls.selection = 0;
  editor.selectItem();
  EXPECT_EQ(editor.currentIndex(), 0);
  EXPECT_FALSE(editor.modified());
  controls.type(kNiHao, L"ni3 hao3", L"hi");
  editor.next();
  EXPECT_TRUE(editor.modified());
}

TEST_F(LessonEditorTest, PreviousStoresTheCurrentItem) {
  enterTwoItems();
  controls.type(kZhong, L"zhong1", L"centre");
  editor.previous();
  EXPECT_EQ(editor.items()[1].fieldText(Field::Meaning), L"centre");
  editor.previous();
  EXPECT_EQ(editor.currentIndex(), 0);
}

TEST_F(LessonEditorTest, PreviousAtTheFirstItemStoresNothingAndKeepsTheTypedText) {
  enterTwoItems();
  editor.previous();
  controls.type(kNiHao, L"ni3 hao3", L"hi");
  editor.previous();
  EXPECT_EQ(editor.currentIndex(), 0);
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"hello");
  EXPECT_EQ(controls.meaning, L"hi");
}

TEST_F(LessonEditorTest, NextOnAnEmptyHanziBeforeTheLastItemMovesOn) {
  enterTwoItems();
  editor.previous();
  controls.type(L"");
  editor.next();
  EXPECT_EQ(editor.currentIndex(), 1);
  EXPECT_EQ(controls.hanzi, kZhong);
  EXPECT_EQ(hanziAt(0), kNiHao);
  EXPECT_EQ(count(), 3u);
}

TEST_F(LessonEditorTest, ListSelectionStoresTheItemItLeaves) {
  enterTwoItems();
  controls.type(kZhong, L"zhong1", L"centre");
  controls.selection = 0;
  editor.selectItem();
  EXPECT_EQ(editor.items()[1].fieldText(Field::Meaning), L"centre");
  EXPECT_EQ(editor.currentIndex(), 0);
  EXPECT_EQ(controls.hanzi, kNiHao);
}

TEST_F(LessonEditorTest, ListSelectionWithoutALineIsIgnored) {
  enterTwoItems();
  controls.selection = -1;
  editor.selectItem();
  EXPECT_EQ(editor.currentIndex(), 1);
}

TEST_F(LessonEditorTest, LatinHanziIsFixedWhenTheUserAgrees) {
  controls.type(L"abc", L"ni3", L"you");
  prompt.answers = {true};
  editor.next();
  ASSERT_EQ(prompt.questions, std::vector<std::wstring>{L"Lesson item possibly contains errors. Fix?"});
  EXPECT_EQ(hanziAt(0), L"\xFF1F\xFF1F\xFF1F");
  // The list keeps the text as typed.
  EXPECT_EQ(controls.lines[0], L"abc");
}

TEST_F(LessonEditorTest, AcceptedFixMarksTheLessonModified) {
  for (bool accept : {true, false}) {
    SCOPED_TRACE(accept);
    storage.files[L"C:\\slash.gb"] = "\xD6\xD0 [zhong1] /middle//\r\n\xD6\xD0 [b] /two/\r\n";
    chooser.paths = {L"C:\\slash.gb"};
    editor.openLesson();
    ASSERT_FALSE(editor.modified());
    prompt.answers = {accept};
    editor.next();
    EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), accept ? L"middle" : L"middle/");
    EXPECT_EQ(editor.modified(), accept);
    prompt.answers = {false};  // "Save changes?" of the next round
  }
}

TEST_F(LessonEditorTest, DecliningTheFixKeepsTheItemAsTyped) {
  controls.type(kZhong, L"zhong1", L"middle/");
  prompt.answers = {false};
  editor.next();
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"middle/");
}

TEST_F(LessonEditorTest, InsertAtTheFirstItemPutsAnEmptyItemBeforeIt) {
  enterTwoItems();
  editor.previous();
  editor.insertItem();
  ASSERT_EQ(count(), 4u);
  EXPECT_EQ(editor.currentIndex(), 0);
  EXPECT_EQ(hanziAt(0), L"");
  EXPECT_EQ(hanziAt(1), kNiHao);
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{L"", kNiHao, kZhong, L""}));
  EXPECT_EQ(controls.hanzi, L"");
  EXPECT_EQ(controls.selection, 0);
}

TEST_F(LessonEditorTest, InsertKeepsWhatWasTypedIntoTheCurrentItem) {
  controls.type(kZhong, L"zhong1", L"middle");
  editor.insertItem();
  ASSERT_EQ(count(), 2u);
  EXPECT_EQ(hanziAt(1), kZhong);
  EXPECT_EQ(editor.items()[1].fieldText(Field::Meaning), L"middle");
  EXPECT_TRUE(editor.modified());
}

TEST_F(LessonEditorTest, InsertKeepsAFailingItemWithoutAsking) {
  controls.type(L"abc", L"a", L"b");
  editor.insertItem();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(hanziAt(1), L"abc");
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{L"", L"abc"}));
}

TEST_F(LessonEditorTest, StoringKeepsTheCurrentLineSelected) {
  enterTwoItems();
  controls.type(kZhong, L"zhong1", L"centre");
  editor.about();
  EXPECT_EQ(controls.selection, 1);
  storage.files[L"C:\\s.gb"];
  chooser.paths = {L"C:\\s.gb"};
  editor.save();
  EXPECT_EQ(controls.selection, 1);
}

TEST_F(LessonEditorTest, DeleteRemovesAnItemBeforeTheLast) {
  enterTwoItems();
  editor.previous();
  editor.deleteItem();
  ASSERT_EQ(count(), 2u);
  EXPECT_EQ(hanziAt(0), kZhong);
  EXPECT_EQ(controls.hanzi, kZhong);
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{kZhong, L""}));
  EXPECT_EQ(controls.selection, 0);
}

TEST_F(LessonEditorTest, DeleteAtTheLastOfSeveralItemsEmptiesIt) {
  enterTwoItems();
  editor.next();
  controls.type(kNiHao, L"hao3", L"good");
  editor.storeCurrentItem();
  editor.deleteItem();
  ASSERT_EQ(count(), 3u);
  EXPECT_EQ(editor.currentIndex(), 2);
  EXPECT_EQ(hanziAt(1), kZhong);
  EXPECT_EQ(hanziAt(2), L"");
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{kNiHao, kZhong, L""}));
  EXPECT_EQ(controls.hanzi, L"");
}

TEST_F(LessonEditorTest, DeleteOnTheOnlyItemEmptiesIt) {
  controls.type(kZhong, L"zhong1", L"middle");
  editor.storeCurrentItem();
  editor.deleteItem();
  ASSERT_EQ(count(), 1u);
  EXPECT_EQ(hanziAt(0), L"");
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"");
  EXPECT_EQ(controls.hanzi, L"");
  EXPECT_EQ(controls.lines, std::vector<std::wstring>{L""});
  EXPECT_TRUE(editor.modified());
}

TEST_F(LessonEditorTest, AboutStoresTheItemFirst) {
  controls.type(kZhong, L"zhong1", L"middle");
  editor.about();
  EXPECT_EQ(controls.aboutShown, 1);
  EXPECT_EQ(hanziAt(0), kZhong);
}

TEST_F(LessonEditorTest, SaveWithoutAFileGoesToSaveAsAndThenReusesItsFile) {
  controls.type(kNiHao, L"ni3 hao3", L"hello/hi");
  chooser.paths = {L"C:\\lessons\\greet.gb"};
  editor.save();
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_EQ(storage.files[L"C:\\lessons\\greet.gb"], kNiHaoBytes + " [ni3 hao3] /hello/hi/\r\n");
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: greet.gb");
  EXPECT_EQ(editor.currentFile(), L"C:\\lessons\\greet.gb");
  EXPECT_FALSE(editor.modified());

  controls.type(kNiHao, L"ni3 hao3", L"hello");
  editor.save();
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_EQ(storage.files[L"C:\\lessons\\greet.gb"], kNiHaoBytes + " [ni3 hao3] /hello/\r\n");
}

TEST_F(LessonEditorTest, SaveAsCancelledKeepsAcceptedFixesAndModified) {
  controls.type(kZhong, L"zhong1", L"middle/");
  prompt.answers = {false, true};  // not on storing, but for the whole lesson
  editor.saveAs();
  EXPECT_EQ(prompt.questions.back(), L"Fix errors?");
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"middle");
  EXPECT_TRUE(editor.modified());
  EXPECT_TRUE(editor.currentFile().empty());
}

TEST_F(LessonEditorTest, SaveToItsFileOffersToFixAndShowsTheFixedList) {
  controls.type(L"abc", L"a", L"b");
  prompt.answers = {false};
  editor.next();
  chooser.paths = {L"C:\\f.gb"};
  prompt.answers = {false};
  editor.saveAs();
  ASSERT_EQ(editor.currentFile(), L"C:\\f.gb");

  prompt.questions.clear();
  prompt.answers = {true};
  editor.save();
  EXPECT_EQ(prompt.questions, std::vector<std::wstring>{L"Fix errors?"});
  EXPECT_EQ(controls.lines[0], L"\xFF1F\xFF1F\xFF1F");
  EXPECT_EQ(hanziAt(0), L"\xFF1F\xFF1F\xFF1F");
  EXPECT_EQ(chooser.asked, 1);
}

TEST_F(LessonEditorTest, ItemsThatFailTheCheckAreWrittenWhenTheUserDeclines) {
  controls.type(kZhong, L"zhong1", L"middle/");
  prompt.answers = {false, false, false};
  chooser.paths = {L"C:\\m.gb"};
  editor.save();
  // Save stores the item, then Save As stores it again before checking the lesson.
  EXPECT_EQ(prompt.questions,
            (std::vector<std::wstring>{L"Lesson item possibly contains errors. Fix?",
                                       L"Lesson item possibly contains errors. Fix?",
                                       L"Fix errors?"}));
  EXPECT_EQ(storage.files[L"C:\\m.gb"], "\xD6\xD0 [zhong1] /middle//\r\n");
}

TEST_F(LessonEditorTest, AFileThatCannotBeWrittenIsReportedAndKeepsModified) {
  controls.type(kZhong, L"zhong1", L"middle");
  storage.broken.insert(L"C:\\locked.gb");
  chooser.paths = {L"C:\\locked.gb"};
  editor.save();
  ASSERT_EQ(prompt.notices.size(), 1u);
  EXPECT_NE(prompt.notices[0].find(L"C:\\locked.gb"), std::wstring::npos);
  EXPECT_TRUE(editor.modified());
  prompt.answers = {true};
  EXPECT_FALSE(editor.confirmClose());
}

TEST_F(LessonEditorTest, NewAndOpenStopWhenTheLessonCouldNotBeSaved) {
  controls.type(kZhong, L"zhong1", L"middle");
  storage.broken.insert(L"C:\\locked.gb");
  chooser.paths = {L"C:\\locked.gb"};
  editor.save();
  const std::wstring title = controls.title;

  prompt.answers = {true};
  editor.newLesson();
  EXPECT_EQ(hanziAt(0), kZhong);
  EXPECT_EQ(controls.title, title);
  EXPECT_TRUE(editor.modified());

  prompt.answers = {true};
  editor.openLesson();
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_EQ(hanziAt(0), kZhong);
}

TEST_F(LessonEditorTest, CancelledSaveAsCancelsCloseNewAndOpen) {
  controls.type(kZhong, L"zhong1", L"middle");
  prompt.answers = {true};
  EXPECT_FALSE(editor.confirmClose());
  EXPECT_EQ(chooser.asked, 1);

  prompt.answers = {true};
  editor.newLesson();
  EXPECT_EQ(chooser.asked, 2);
  EXPECT_EQ(hanziAt(0), kZhong);
  EXPECT_TRUE(editor.modified());

  storage.files[L"C:\\other.gb"] = "\xD6\xD0 [a] /other/\r\n";
  prompt.answers = {true};
  chooser.paths = {L"", L"C:\\other.gb"};
  editor.openLesson();
  EXPECT_EQ(chooser.asked, 3);  // Save As only; the Open dialog never came
  EXPECT_EQ(editor.items()[0].fieldText(Field::Meaning), L"middle");
  EXPECT_TRUE(editor.currentFile().empty());
}

TEST_F(LessonEditorTest, CharactersWithoutAFileFormAreReported) {
  controls.type(L"\x4E00", L"yi1", L"one");
  chooser.paths = {L"C:\\one.gb"};
  editor.save();
  ASSERT_EQ(prompt.notices.size(), 1u);
  EXPECT_NE(prompt.notices[0].find(L"Items: 1."), std::wstring::npos);
}

TEST_F(LessonEditorTest, OpenLoadsTheFileAndShowsItsName) {
  storage.files[L"C:\\lessons\\two.gb"] = "\xD6\xD0 [zhong1] /middle/\r\n" + kNiHaoBytes +
                                          " [ni3 hao3] /hello/\r\n";
  chooser.paths = {L"C:\\lessons\\two.gb"};
  editor.openLesson();
  ASSERT_EQ(count(), 2u);
  EXPECT_EQ(controls.lines, (std::vector<std::wstring>{kZhong, kNiHao}));
  EXPECT_EQ(controls.hanzi, kZhong);
  EXPECT_EQ(editor.currentIndex(), 0);
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: two.gb");
  EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(LessonEditorTest, OpenOffersToSaveChanges) {
  controls.type(kZhong, L"zhong1", L"middle");
  storage.files[L"C:\\a.gb"] = "";
  prompt.answers = {false};
  chooser.paths = {L"C:\\a.gb"};
  editor.openLesson();
  EXPECT_EQ(prompt.questions, std::vector<std::wstring>{L"Save changes?"});
  EXPECT_EQ(count(), 1u);
  EXPECT_EQ(hanziAt(0), L"");
}

TEST_F(LessonEditorTest, CancelledOpenChangesNothing) {
  enterTwoItems();
  prompt.answers = {false};
  editor.openLesson();
  EXPECT_EQ(count(), 3u);
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: (New)");
}

TEST_F(LessonEditorTest, UnreadableFileIsReportedAndTheLessonKept) {
  enterTwoItems();
  prompt.answers = {false};
  chooser.paths = {L"C:\\missing.gb"};
  editor.openLesson();
  EXPECT_EQ(prompt.notices.size(), 1u);
  EXPECT_EQ(count(), 3u);
  EXPECT_TRUE(editor.currentFile().empty());
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: (New)");
}

TEST_F(LessonEditorTest, OpenReportsShortenedLines) {
  storage.files[L"C:\\long.gb"] = "\xD6\xD0 [a] /" + std::string(300, 'm') + "/\r\n";
  chooser.paths = {L"C:\\long.gb"};
  editor.openLesson();
  ASSERT_EQ(prompt.notices.size(), 1u);
  EXPECT_NE(prompt.notices[0].find(L"Lines: 1."), std::wstring::npos);
}

class ShortenedLessonTest : public LessonEditorTest {
 protected:
  // Opens a file whose second line is too long for an item, and changes it.
  void openShortened() {
    storage.files[kPath] = kOriginal;
    chooser.paths = {kPath};
    editor.openLesson();
    controls.type(kZhong, L"zhong1", L"centre");
  }

  const std::wstring kPath = L"C:\\lessons\\long.gb";
  const std::string kOriginal =
      "\xD6\xD0 [a] /one/\r\n\xD6\xD0 [b] /" + std::string(300, 'm') + "/\r\n";
};

const wchar_t kOverwriteQuestion[] =
    L"\"C:\\lessons\\long.gb\" was not loaded whole (lines shortened: 2). Saving writes the "
    L"shortened lesson over it, and what was not loaded is lost. Save anyway?";

TEST_F(ShortenedLessonTest, SaveAsksBeforeWritingOverTheFileAndNoKeepsIt) {
  openShortened();
  prompt.answers = {false};
  editor.save();
  EXPECT_EQ(prompt.questions, std::vector<std::wstring>{kOverwriteQuestion});
  EXPECT_EQ(storage.files[kPath], kOriginal);
  EXPECT_TRUE(editor.modified());

  // Closing with "Save changes?" Yes and then No keeps the dialog open.
  prompt.answers = {true, false};
  EXPECT_FALSE(editor.confirmClose());
  EXPECT_EQ(storage.files[kPath], kOriginal);
}

TEST_F(ShortenedLessonTest, YesWritesOnceAndLaterSavesDoNotAskAgain) {
  openShortened();
  prompt.answers = {true};
  editor.save();
  EXPECT_EQ(storage.files[kPath].find("centre") != std::string::npos, true);
  controls.type(kZhong, L"zhong1", L"middle");
  prompt.questions.clear();
  editor.save();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_FALSE(editor.modified());
}

TEST_F(ShortenedLessonTest, SaveAsAsksOnlyForTheSameFile) {
  openShortened();
  chooser.paths = {L"C:\\lessons\\copy.gb", L"c:/LESSONS/Long.GB"};
  editor.saveAs();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_NE(storage.files.find(L"C:\\lessons\\copy.gb"), storage.files.end());
  prompt.answers = {false};
  editor.saveAs();
  EXPECT_EQ(prompt.questions.size(), 1u);
  EXPECT_EQ(storage.files[kPath], kOriginal);
  EXPECT_EQ(editor.currentFile(), L"C:\\lessons\\copy.gb");
}

TEST_F(ShortenedLessonTest, NewLessonForgetsTheShortenedFile) {
  openShortened();
  prompt.answers = {false};
  editor.newLesson();
  controls.type(kZhong, L"zhong1", L"new");
  chooser.paths = {kPath};
  prompt.questions.clear();
  editor.saveAs();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(storage.files[kPath], "\xD6\xD0 [zhong1] /new/\r\n");
}

TEST_F(LessonEditorTest, FileWithMoreItemsThanTheEditorHoldsIsNotOverwrittenWithoutAsking) {
  LessonEditorDialog small(controls, prompt, chooser, storage, codec, 2);
  controls.editor = &small;
  small.start();
  const std::string three = "\xD6\xD0 [a] /1/\r\n\xD6\xD0 [b] /2/\r\n\xD6\xD0 [c] /3/\r\n";
  storage.files[L"C:\\big.gb"] = three;
  chooser.paths = {L"C:\\big.gb"};
  small.openLesson();
  EXPECT_EQ(small.items().size(), 2u);
  ASSERT_EQ(prompt.notices.size(), 1u);
  EXPECT_NE(prompt.notices[0].find(L"only the first 2 were loaded"), std::wstring::npos);
  prompt.answers = {false};
  small.save();
  EXPECT_EQ(prompt.questions,
            std::vector<std::wstring>{L"\"C:\\big.gb\" was not loaded whole (items after the first 2 "
                                      L"left out). Saving writes the shortened lesson over it, and "
                                      L"what was not loaded is lost. Save anyway?"});
  EXPECT_EQ(storage.files[L"C:\\big.gb"], three);
}

TEST_F(LessonEditorTest, OpenFillsTheListInOneGo) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "\xD6\xD0 [a] /" + std::to_string(i) + "/\r\n";
  storage.files[L"C:\\many.gb"] = bytes;
  chooser.paths = {L"C:\\many.gb"};
  controls.lineInserts = 0;
  editor.openLesson();
  EXPECT_EQ(controls.lines.size(), 1000u);
  EXPECT_EQ(controls.lineInserts, 0);
  EXPECT_EQ(controls.selection, 0);
}

TEST_F(LessonEditorTest, NewStartsAnEmptyLessonAfterOfferingToSave) {
  enterTwoItems();
  chooser.paths = {L"C:\\n.gb"};
  editor.saveAs();
  controls.type(kZhong, L"zhong1", L"centre");
  prompt.answers = {true};
  editor.newLesson();
  EXPECT_EQ(storage.files[L"C:\\n.gb"].find("centre") != std::string::npos, true);
  EXPECT_EQ(count(), 1u);
  EXPECT_EQ(controls.lines, std::vector<std::wstring>{L""});
  EXPECT_FALSE(editor.modified());
  EXPECT_TRUE(editor.currentFile().empty());
  EXPECT_EQ(controls.title, L"MorvaneCHS Lesson Editor: (New)");
}

TEST_F(LessonEditorTest, CloseAsksOnlyWhenModified) {
  EXPECT_TRUE(editor.confirmClose());
  EXPECT_TRUE(prompt.questions.empty());
  controls.type(kZhong);
  prompt.answers = {false};
  EXPECT_TRUE(editor.confirmClose());
  EXPECT_EQ(prompt.questions, std::vector<std::wstring>{L"Save changes?"});
}

// Saves interrupted at each step of the safe replacement: the editor says the
// save failed and keeps its changes, the file is the old one, and the next
// save writes the lesson.
TEST(InterruptedEditorSave, TheEditorTellsKeepsItsChangesAndSavesNextTime) {
  const std::wstring path = L"C:\\l.gb";
  const std::string old = kNiHaoBytes + " [ni3] /old/\r\n";
  const std::vector<fakes::DiskFaults> points = {
      {1, -1, false, false, false}, {0, 0, false, false, false}, {0, 10, false, false, false},
      {0, -1, true, false, false},  {0, -1, false, true, false}, {0, -1, false, false, true}};
  for (const fakes::DiskFaults& faults : points) {
    FakeControls controls;
    ScriptedPrompt prompt;
    ScriptedChooser chooser;
    fakes::MemoryDisk disk;
    FakeCodec codec;
    LessonEditorDialog editor(controls, prompt, chooser, disk, codec);
    controls.editor = &editor;
    editor.start();
    disk.files[path] = old;
    chooser.paths = {path};
    editor.openLesson();
    controls.type(kZhong, L"zhong1", L"middle");

    disk.faults = faults;
    editor.save();
    ASSERT_EQ(prompt.notices.size(), 1u);
    EXPECT_EQ(prompt.notices[0],
              L"The lesson could not be written to \"" + path + L"\". Your changes are not saved.");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.items()[0].fieldText(Field::Hanzi), kZhong);
    EXPECT_EQ(disk.files[path], old);
    EXPECT_EQ(disk.files.size(), 1u);

    disk.faults = fakes::DiskFaults{};
    editor.save();
    EXPECT_EQ(prompt.notices.size(), 1u);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(disk.files[path], "\xD6\xD0 [zhong1] /middle/\r\n");
  }
}

}  // namespace
}  // namespace quillmark
