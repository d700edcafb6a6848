// Repaint requests of the canvas seen through the real message queue, and a
// caption that is centred, measured in pixels.
#include <gtest/gtest.h>

#include "gdi_probe.h"
#include "strokes/clearable_draw_area.h"

namespace morvane {
namespace {

// Counts the paint and erase messages that reach a window.
struct MessageCounter {
  int paints = 0;
  int erases = 0;
  WNDPROC original = nullptr;
};
MessageCounter* counter = nullptr;

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++counter->paints;
  if (message == WM_ERASEBKGND) ++counter->erases;
  return CallWindowProcW(counter->original, hwnd, message, wParam, lParam);
}

class CanvasRepaint : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Move(0, 0, 200, 150);
    area = canvas.DrawingArea();
    counter = &counts;
    counts.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(area->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProc)));
    stroke();
    flush();
  }
  void TearDown() override {
    SetWindowLongPtrW(area->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counts.original));
    counter = nullptr;
  }
  void stroke() {
    SendMessageW(area->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(area->hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 40));
    SendMessageW(area->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(50, 40));
  }
  // Lets the queue deliver what was requested, then starts counting afresh.
  void flush() {
    UpdateWindow(area->hwnd);
    counts.paints = counts.erases = 0;
  }

  HostWindow host;
  ClearableDrawArea canvas{0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr)};
  DrawAreaWithText* area = nullptr;
  MessageCounter counts;
};

TEST_F(CanvasRepaint, ClearAllRepaintsWithErase) {
  area->ClearAll();
  UpdateWindow(area->hwnd);
  EXPECT_GE(counts.paints, 1);
  EXPECT_GE(counts.erases, 1);
}

TEST_F(CanvasRepaint, ClearAllButtonRepaintsWithErase) {
  SendMessageW(canvas.clearButton, BM_CLICK, 0, 0);
  UpdateWindow(area->hwnd);
  EXPECT_EQ(area->StrokeCount(), 0);
  EXPECT_GE(counts.erases, 1);
}

TEST_F(CanvasRepaint, UndoStrokeRepaintsWithErase) {
  SendMessageW(canvas.undoButton, BM_CLICK, 0, 0);
  UpdateWindow(area->hwnd);
  EXPECT_EQ(area->StrokeCount(), 0);
  EXPECT_GE(counts.paints, 1);
  EXPECT_GE(counts.erases, 1);
}

TEST_F(CanvasRepaint, RecolouringRepaintsWithoutErase) {
  area->SetStrokeColor(0, RGB(255, 0, 0));
  UpdateWindow(area->hwnd);
  EXPECT_GE(counts.paints, 1);
  EXPECT_EQ(counts.erases, 0);
}

TEST_F(CanvasRepaint, NothingIsRequestedWithoutAChange) {
  area->SetStrokeColor(5, RGB(255, 0, 0));  // no such stroke
  UpdateWindow(area->hwnd);
  EXPECT_EQ(counts.erases, 0);
}

TEST_F(CanvasRepaint, ShortCaptionIsCentred) {
  area->ClearAll();
  canvas.SetText(L"Hi");
  RECT client;
  GetClientRect(area->hwnd, &client);
  PixelCanvas pixels(client.right, client.bottom, RGB(255, 255, 255));
  area->OnPaint(pixels.dc);
  int left = -1, right = -1;
  for (int x = 3; x < client.right - 3; ++x) {
    if (pixels.CountColor(RGB(0, 0, 0), x, 3, x + 1, client.bottom - 3) == 0) continue;
    if (left < 0) left = x;
    right = x;
  }
  ASSERT_GE(left, 0);
  const int leftGap = left - 20, rightGap = (client.right - 20) - (right + 1);
  EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " " << rightGap;
  EXPECT_GT(leftGap, 40);
}

}  // namespace
}  // namespace morvane
