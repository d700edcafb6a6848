// Stroke feedback on the canvas: an orange pen while a stroke that will be
// judged is drawn, and its colour by judgement once the pen is lifted.
#include "app/data_files.h"
#include "app/main_window.h"
#include "strokes/clearable_draw_area.h"
#include "strokes/feedback_database.h"
#include "strokes/search_folders.h"
#include "strokes/stroke_database.h"

namespace morvane {

namespace {

HPEN pendingPen() {
  static HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 102, 0));
  return pen;
}

// The pen for a stroke that is the strokeNumber-th (from 1) of the item:
// orange within a character that has feedback data or beyond the item's
// strokes, the default pen on a character without.
HPEN penForStroke(const LessonItem& item, int32_t strokeNumber) {
  int32_t r = strokeNumber;
  const CellList hanzi = item.hanzi();
  const auto marks = item.hanziMarks();
  for (int32_t c = 0; c < hanzi.Count(); ++c) {
    if (!(marks[c] & kHasFeedbackData)) return nullptr;
    auto location = locateRecord(searchFolders, lessonDatabases->feedback, hanzi[c].code());
    if (!location) continue;
    const auto strokes = readFeedbackCount(*location->data, location->offset);
    if (!strokes) continue;
    if (r <= *strokes) return pendingPen();
    r -= *strokes;
  }
  return pendingPen();
}

}  // namespace

void MainWindow::OnStrokePoint(StrokeListenerList*, uint32_t, int32_t, int32_t) { choosePen(); }

void MainWindow::OnStrokeEnd(StrokeListenerList*, uint32_t, int32_t, int32_t) {
  recolorLastStroke();
}

void MainWindow::choosePen() {
  if (!settings.strokeFeedback) {
    canvas->SetPen(nullptr);
  } else if (currentItem == nullptr) {
    canvas->SetPen(pendingPen());
  } else {
    canvas->SetPen(penForStroke(*currentItem, canvas->DrawingArea()->StrokeCount()));
  }
}

void MainWindow::recolorLastStroke() {
  DrawArea* area = canvas->DrawingArea();
  if (!settings.strokeFeedback || currentItem == nullptr || area->StrokeCount() == 0) return;
  // Only GB codes key the feedback data; other lessons' strokes stay unjudged.
  if (!strokeDataApplies()) return;
  const int32_t n = area->StrokeCount() - 1;
  const int result = judgeStroke(area->GetStroke(n), n, shownHanzi, searchFolders,
                                 lessonDatabases->feedback);
  canvas->SetStrokeColor(n, static_cast<COLORREF>(judgementColor(result)));
}

}  // namespace morvane
