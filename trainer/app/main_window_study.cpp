// The study screen: presenting items, Show / Right / Wrong / Restart, lesson
// modes and opening a lesson.
#include <cwchar>

#include "app/data_files.h"
#include "app/main_window.h"
#include "app/status_area.h"
#include "app/stroke_marks.h"
#include "app/study_view.h"
#include "lesson/weighted_lesson.h"
#include "resources/resource.h"
#include "strokes/clearable_draw_area.h"
#include "strokes/search_folders.h"
#include "strokes/stroke_database.h"

namespace morvane {

namespace {

constexpr int kQuickQuizSize = 25;
constexpr int kLongQuizSize = 50;

// Points `shown` at the cells; room for all of them is made at once, so a
// long item is not copied over and over as the list grows.
void showCells(CellList cells, CharString& shown) {
  shown.Clear();
  if (shown.capacity < cells.Count()) shown.Grow(cells.Count() - shown.capacity);
  for (const CharToken& cell : cells) shown.Append(const_cast<CharToken*>(&cell));
}

// The whole text, however long the meaning before it was (1 MiB at most).
void replaceMeaning(HWND edit, const wchar_t* text) {
  SetWindowTextW(edit, text);
  SendMessageW(edit, EM_SETSEL, 0, 0);
}

}  // namespace

StudyState MainWindow::state() const {
  return studyState(lesson != nullptr, currentItem != nullptr, revealed);
}

void MainWindow::setRevealed(bool reveal) {
  readingView->textEnabled = (reveal || settings.showReading) ? 1 : 0;
  hanziView->textEnabled = (reveal || settings.showHanzi) ? 1 : 0;
  readingView->Invalidate();
  hanziView->Invalidate();
  const bool meaningShown = (reveal || settings.showMeaning) && currentItem != nullptr;
  replaceMeaning(meaningEdit, meaningShown ? currentItem->meaning().c_str() : L"");
  revealed = reveal;
}

void MainWindow::presentItem() {
  if (currentItem != nullptr) {
    setRevealed(false);
    showCells(currentItem->hanzi(), shownHanzi);
    showCells(currentItem->reading(), shownReading);
    const auto hanziMarks = currentItem->hanziMarks();
    const auto readingMarks = currentItem->readingMarks();
    hanziView->SetCharsWithMarks(&shownHanzi, {hanziMarks.begin(), hanziMarks.end()});
    readingView->SetCharsWithMarks(&shownReading, {readingMarks.begin(), readingMarks.end()});
  } else {
    readingView->textEnabled = 0;
    hanziView->textEnabled = 0;
    replaceMeaning(meaningEdit, L"");
  }
  applyButtons(buttonsFor(state()));
  if (lesson == nullptr) EnableMenuItem(menu, IDM_RESTART, MF_BYCOMMAND | MF_GRAYED);
  refreshChildren();
}

void MainWindow::advance() {
  if (lesson != nullptr) currentItem = lesson->nextItem();
  revealed = false;
  canvas->DrawingArea()->ClearAll();
  presentItem();
  SetFocus(hwnd);
}

void MainWindow::show() {
  revealed = true;
  applyButtons(buttonsFor(StudyState::ItemShown));
  setRevealed(true);
  SetFocus(hwnd);
}

void MainWindow::markRight() {
  if (lesson == nullptr) return;
  lesson->markRight(currentItem);
  statusArea->rightCount += 1;
  advance();
}

void MainWindow::markWrong() {
  if (lesson == nullptr) return;
  lesson->markWrong(currentItem);
  statusArea->wrongCount += 1;
  advance();
}

void MainWindow::restartLesson() {
  if (lesson == nullptr) return;
  lesson->restart();
  statusArea->rightCount = 0;
  statusArea->wrongCount = 0;
  canvas->DrawingArea()->ClearAll();
  advance();
}

void MainWindow::applyLessonMode(int32_t mode) {
  if (lesson == nullptr) return;
  settings.lessonMode = mode;
  lesson->setReview(false);
  switch (mode) {
    case 121:
      lesson->startQuiz(kQuickQuizSize);
      break;
    case 122:
      lesson->startQuiz(kLongQuizSize);
      break;
    case 123:
      lesson->setReview(true);
      lesson->startAll();
      break;
    default:
      lesson->startAll();
      break;
  }
  restartLesson();
}

void MainWindow::closeLesson() {
  if (lesson == nullptr) return;
  lesson->saveProgress();
  // The views point into the old lesson's cells: they let go of them
  // before the cells are freed, as a repaint may come at any time.
  currentItem = nullptr;
  hanziView->SetCharsWithMarks(nullptr, {});
  readingView->SetCharsWithMarks(nullptr, {});
  shownHanzi.Clear();
  shownReading.Clear();
  delete lesson;
  lesson = nullptr;
}

void MainWindow::openLesson(const std::wstring& path) {
  closeLesson();
  const std::wstring statePath = path + L".st";
  lesson = new WeightedLesson(path, statePath, 0);
  useEncoding(encodingForPath(path));
  startOpenedLesson(lessonDisplayName(path));
}

void MainWindow::useEncoding(EncodingCode code) {
  lessonEncoding = code;
  if (const StrokeDatabases* databases = strokeDatabasesFor(code)) lessonDatabases = databases;
  hanziView->strokeDataApplies = strokeDataApplies();
  readingView->strokeDataApplies = strokeDataApplies();
  chooseFonts(code);
}

void MainWindow::startOpenedLesson(const std::wstring& label) {
  if (lesson != nullptr) markStrokeData();
  statusArea->setLabel(label.c_str());
  statusArea->rightCount = 0;
  statusArea->wrongCount = 0;
  currentItem = nullptr;
  if (lesson == nullptr) return;
  lesson->setTrackWrong(settings.trackWrong);
  applyLessonMode(settings.lessonMode);
  statusArea->total = lesson->passSize();
  EnableMenuItem(menu, IDM_RESTART, MF_BYCOMMAND | MF_ENABLED);
  setRevealed(false);
  canvas->SetText(nullptr);
}

void MainWindow::markStrokeData() {
  morvane::markStrokeData(*lesson, searchFolders, strokeDatabasesFor(lessonEncoding));
}

}  // namespace morvane
