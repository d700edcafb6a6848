// The handwriting canvas with real windows and pen messages; repainting is
// checked in a memory bitmap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_probe.h"
#include "logging_listener.h"
#include "strokes/clearable_draw_area.h"
#include "ui/window_colors.h"

namespace morvane {
namespace {

using Log = std::vector<std::string>;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[64] = {};
  GetWindowTextW(hwnd, text, 64);
  return text;
}

class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Move(0, 0, 200, 150);
    area = canvas.DrawingArea();
    ASSERT_NE(area, nullptr);
    canvas.listeners.Subscribe(&first);
  }

  void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
  void MoveTo(int x, int y, WPARAM keys = MK_LBUTTON) { Send(WM_MOUSEMOVE, keys, x, y); }
  void Up(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }
  void Stroke(int x0, int y0, int x1, int y1) {
    Down(x0, y0);
    MoveTo(x1, y1);
    Up(x1, y1);
  }
  void Send(UINT message, WPARAM keys, int x, int y) {
    SendMessageW(area->hwnd, message, keys, MAKELPARAM(x, y));
  }
  // The drawing area repainted into a white bitmap of its size.
  void PaintInto(PixelCanvas& pixels) { area->OnPaint(pixels.dc); }

  HostWindow host;
  ClearableDrawArea canvas{0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr)};
  DrawAreaWithText* area = nullptr;
  Log log;
  LoggingListener first{"first", &log};
};

TEST_F(Canvas, IsBuiltFromTwoButtonsAndADrawingArea) {
  EXPECT_EQ(ClassOf(canvas.hwnd), L"ClearableDrawArea");
  EXPECT_EQ(ClassOf(area->hwnd), L"DrawArea");
  EXPECT_EQ(GetParent(area->hwnd), canvas.hwnd);
  EXPECT_EQ(TextOf(canvas.clearButton), L"Clear All");
  EXPECT_EQ(TextOf(canvas.undoButton), L"Undo Stroke");
  EXPECT_EQ(GetDlgCtrlID(canvas.clearButton), 1007);
  EXPECT_EQ(GetDlgCtrlID(canvas.undoButton), 1008);
  for (HWND button : {canvas.clearButton, canvas.undoButton}) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(ClassOf(button), L"Button");
  }
  EXPECT_EQ(ClassBrushColor(canvas.hwnd), StaticColor());
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(area->hwnd, GCLP_HBRBACKGROUND)),
            GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(area->Caption(), nullptr);
}

TEST_F(Canvas, LaysOutTheDrawingAreaAboveTheButtons) {
  const int bh = HIWORD(GetDialogBaseUnits()) * 3 / 2;
  const RECT drawing = ChildRect(area->hwnd);
  const RECT clear = ChildRect(canvas.clearButton);
  const RECT undo = ChildRect(canvas.undoButton);
  EXPECT_EQ(drawing.left, 0);
  EXPECT_EQ(drawing.top, 0);
  EXPECT_EQ(drawing.right, 200);
  EXPECT_EQ(drawing.bottom, 150 - bh - 2);
  EXPECT_EQ(area->bounds.right, 200);
  EXPECT_EQ(area->bounds.bottom, 150 - bh - 2);
  EXPECT_EQ(clear.left, 0);
  EXPECT_EQ(clear.top, 150 - bh);
  EXPECT_EQ(clear.right - clear.left, 99);
  EXPECT_EQ(clear.bottom - clear.top, bh);
  EXPECT_EQ(undo.left, 101);
  EXPECT_EQ(undo.top, 150 - bh);
  EXPECT_EQ(undo.right - undo.left, 98);
}

TEST_F(Canvas, ATapIsAOnePointBlackStroke) {
  Down(30, 40);
  Up(30, 40);
  ASSERT_EQ(area->StrokeCount(), 1);
  ASSERT_EQ(area->GetStroke(0).Count(), 1);
  EXPECT_EQ(area->GetStroke(0)[0].x, 30);
  EXPECT_EQ(area->GetStroke(0)[0].y, 40);
  EXPECT_EQ(area->StrokeColor(0), kBlack);
  EXPECT_EQ(log, (Log{"first:point:30,40", "first:end:30,40"}));
}

TEST_F(Canvas, ADragRecordsThePointsDrawnWithThePenDown) {
  Down(10, 10);
  MoveTo(20, 10);
  MoveTo(30, 15);
  MoveTo(40, 40, 0);
  Up(50, 50);
  ASSERT_EQ(area->StrokeCount(), 1);
  const PointList& stroke = area->GetStroke(0);
  ASSERT_EQ(stroke.Count(), 3);
  EXPECT_EQ(stroke[1].x, 20);
  EXPECT_EQ(stroke[2].y, 15);
  EXPECT_EQ(log, (Log{"first:point:10,10", "first:point:20,10", "first:point:30,15",
                      "first:point:40,40", "first:end:50,50"}));
  EXPECT_EQ(first.lastSource, &canvas.listeners);
}

TEST_F(Canvas, APenMoveWithoutAStrokeIsDrawnButStoredNowhere) {
  MoveTo(10, 10);
  MoveTo(20, 20);
  EXPECT_EQ(area->StrokeCount(), 0);
  EXPECT_EQ(area->lastPoint.x, 20);
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(Canvas, TheSixtyFifthStrokeGrowsTheListAndAllStrokesRepaint) {
  for (int i = 0; i < 65; ++i) Stroke(4 + 3 * i, 10, 4 + 3 * i, 60);
  EXPECT_EQ(area->StrokeCount(), 65);
  EXPECT_EQ(area->strokes.capacity, 128);
  EXPECT_EQ(area->strokeColors.capacity, 128);
  PixelCanvas pixels(200, 124, kWhite);
  PaintInto(pixels);
  for (int i = 0; i < 65; ++i) EXPECT_EQ(pixels.At(4 + 3 * i, 35), kBlack) << "stroke " << i;
}

TEST_F(Canvas, UndoThenANewStrokeStartsEmpty) {
  Stroke(10, 10, 50, 50);
  Down(60, 60);
  for (int i = 0; i < 5; ++i) MoveTo(61 + i, 60);
  Up(66, 60);
  area->SetStrokeColor(1, kRed);
  area->UndoStroke();
  ASSERT_EQ(area->StrokeCount(), 1);
  Down(7, 8);
  ASSERT_EQ(area->StrokeCount(), 2);
  ASSERT_EQ(area->GetStroke(1).Count(), 1);
  EXPECT_EQ(area->GetStroke(1)[0].x, 7);
  EXPECT_EQ(area->StrokeColor(1), kBlack);
}

TEST_F(Canvas, UndoAndClearOnAnEmptyCanvasRemoveNothing) {
  area->UndoStroke();
  area->ClearAll();
  EXPECT_EQ(area->StrokeCount(), 0);
  Stroke(1, 1, 2, 2);
  EXPECT_EQ(area->StrokeCount(), 1);
}

TEST_F(Canvas, ButtonsClearAndUndoAndGiveTheFocusBack) {
  SetFocus(host.hwnd);
  for (int i = 0; i < 3; ++i) Stroke(10 * i, 5, 10 * i + 5, 20);
  SendMessageW(canvas.undoButton, BM_CLICK, 0, 0);
  EXPECT_EQ(area->StrokeCount(), 2);
  SetFocus(canvas.clearButton);
  SendMessageW(canvas.hwnd, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED),
               reinterpret_cast<LPARAM>(canvas.clearButton));
  EXPECT_EQ(area->StrokeCount(), 0);
  EXPECT_EQ(area->strokeColors.Count(), 0);
  EXPECT_EQ(GetFocus(), host.hwnd);
}

TEST_F(Canvas, StrokesRepaintInTheColoursSet) {
  Stroke(20, 10, 20, 60);
  Stroke(40, 10, 40, 60);
  Stroke(60, 10, 60, 60);
  canvas.SetStrokeColor(1, kRed);
  canvas.SetStrokeColor(3, RGB(0, 0, 255));
  canvas.SetStrokeColor(-1, RGB(0, 0, 255));
  EXPECT_EQ(area->StrokeColor(0), kBlack);
  EXPECT_EQ(area->StrokeColor(1), kRed);
  EXPECT_EQ(area->StrokeColor(2), kBlack);
  PixelCanvas pixels(200, 124, kWhite);
  PaintInto(pixels);
  EXPECT_EQ(pixels.At(20, 30), kBlack);
  EXPECT_EQ(pixels.At(40, 30), kRed);
  EXPECT_EQ(pixels.At(60, 30), kBlack);
  EXPECT_EQ(pixels.CountColor(RGB(0, 0, 255), 0, 0, 200, 124), 0);
}

TEST_F(Canvas, RepaintedStrokesStayInsideTheFrame) {
  Stroke(0, 20, 100, 20);
  canvas.SetStrokeColor(0, kRed);
  PixelCanvas framed(200, 124, kWhite);
  PaintInto(framed);
  EXPECT_EQ(framed.At(0, 20), RGB(128, 128, 128));
  EXPECT_EQ(framed.At(1, 20), kBlack);
  EXPECT_EQ(framed.At(2, 20), kRed);

  area->SetFramed(0);
  area->OnSize(0, 0, 200, 124);
  PixelCanvas unframed(200, 124, kWhite);
  PaintInto(unframed);
  EXPECT_EQ(unframed.At(0, 20), kRed);
}

TEST_F(Canvas, TheCaptionIsCentredBetweenItsMarginsAndWraps) {
  canvas.SetText(L"Welcome to Morvane!\nSelect File-Open... from the menu to start a lesson.");
  ASSERT_NE(area->Caption(), nullptr);
  PixelCanvas pixels(200, 124, kWhite);
  PaintInto(pixels);
  const int lineHeight = HIWORD(GetDialogBaseUnits());
  EXPECT_GT(pixels.CountColor(kBlack, 20, 15, 180, 15 + lineHeight), 0);
  EXPECT_GT(pixels.CountColor(kBlack, 20, 15 + 2 * lineHeight, 180, 15 + 3 * lineHeight), 0)
      << "the long second line should wrap";
  EXPECT_EQ(pixels.CountNot(kWhite, 2, 2, 20, 122), 0);
  EXPECT_EQ(pixels.CountNot(kWhite, 180, 2, 198, 122), 0);
  EXPECT_EQ(pixels.CountNot(kWhite, 2, 2, 198, 15), 0);

  canvas.SetText(nullptr);
  EXPECT_EQ(area->caption, nullptr);
  PixelCanvas cleared(200, 124, kWhite);
  PaintInto(cleared);
  EXPECT_EQ(cleared.CountNot(kWhite, 2, 2, 198, 122), 0);
}

TEST_F(Canvas, TheCaptionIsACopyOfTheText) {
  wchar_t text[] = L"first";
  canvas.SetText(text);
  text[0] = L'X';
  EXPECT_STREQ(area->caption, L"first");
  area->SetText(area->caption);
  EXPECT_STREQ(area->caption, L"first");
  canvas.SetText(L"");
  ASSERT_NE(area->caption, nullptr);
  EXPECT_STREQ(area->caption, L"");
}

TEST_F(Canvas, LiveSegmentsUseTheChosenPenInsideTheFrame) {
  const COLORREF orange = RGB(255, 128, 0);
  HPEN pen = CreatePen(PS_SOLID, 2, orange);
  canvas.SetPen(pen);
  EXPECT_EQ(area->currentPen, pen);
  Down(0, 30);
  MoveTo(100, 30);
  EXPECT_EQ(GetPixel(area->hdc, 50, 30), orange);
  EXPECT_EQ(GetPixel(area->hdc, 2, 30), orange);
  EXPECT_NE(GetPixel(area->hdc, 1, 30), orange);
  EXPECT_EQ(area->StrokeColor(0), kBlack) << "the live pen does not colour the stroke";

  canvas.SetPen(nullptr);
  EXPECT_EQ(area->currentPen, area->defaultPen);
  MoveTo(100, 60);
  EXPECT_EQ(GetPixel(area->hdc, 100, 45), GetSysColor(COLOR_WINDOWTEXT));
  DeleteObject(pen);
}

TEST_F(Canvas, ListenersHearEventsInOrderUntilTheyUnsubscribe) {
  LoggingListener second("second", &log);
  canvas.listeners.Subscribe(&second);
  Down(1, 2);
  canvas.listeners.Unsubscribe(&first);
  Up(3, 4);
  canvas.OnStrokeExtra(&area->listeners, 0, 5, 6);
  EXPECT_EQ(log, (Log{"first:point:1,2", "second:point:1,2", "second:end:3,4",
                      "second:extra:5,6"}));
  EXPECT_EQ(second.lastSource, &canvas.listeners);
}

TEST(CanvasLifetime, DeletingTheCanvasDestroysItsWindows) {
  HostWindow host;
  auto* canvas = new ClearableDrawArea(0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr));
  const HWND outer = canvas->hwnd;
  const HWND inner = canvas->DrawingArea()->hwnd;
  const HWND button = canvas->clearButton;
  delete canvas;
  EXPECT_FALSE(IsWindow(outer));
  EXPECT_FALSE(IsWindow(inner));
  EXPECT_FALSE(IsWindow(button));
}

}  // namespace
}  // namespace morvane
