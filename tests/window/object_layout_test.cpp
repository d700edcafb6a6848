// Slot order of the virtual operations and field order of the framework and
// canvas objects, which derived classes and the main window rely on.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/status_area.h"
#include "gdi_probe.h"
#include "strokes/clearable_draw_area.h"
#include "ui/window.h"

namespace morvane {
namespace {

// The vtable slot a pointer to a virtual member function names (the
// Itanium C++ ABI, which MinGW uses: 1 + byte offset in the vtable).
template <typename MemberFunction>
int SlotOf(MemberFunction function) {
  struct Representation {
    uintptr_t pointer;
    ptrdiff_t adjustment;
  } representation;
  static_assert(sizeof(function) == sizeof(representation), "unexpected member pointer size");
  std::memcpy(&representation, &function, sizeof representation);
  if ((representation.pointer & 1) == 0) return -1;
  return static_cast<int>((representation.pointer - 1) / sizeof(void*));
}

using CreatePlain = HWND (Window::*)(int, int, int, int, HWND, HINSTANCE, const wchar_t*, WNDPROC);
using CreateWithBrush = HWND (Window::*)(int, int, int, int, HWND, HINSTANCE, const wchar_t*,
                                         WNDPROC, HBRUSH);
using CreateShared = HWND (Window::*)(int, int, int, int, HWND, HINSTANCE, const wchar_t*);

TEST(WindowSlots, TheTwentyOperationsKeepTheirOrder) {
  EXPECT_EQ(SlotOf(static_cast<CreatePlain>(&Window::Create)), 0);
  EXPECT_EQ(SlotOf(static_cast<CreateWithBrush>(&Window::Create)), 1);
  EXPECT_EQ(SlotOf(&Window::CreateEx), 2);
  EXPECT_EQ(SlotOf(static_cast<CreateShared>(&Window::Create)), 3);
  EXPECT_EQ(SlotOf(&Window::DrawSunkenBorder), 4);
  EXPECT_EQ(SlotOf(&Window::Invalidate), 5);
  EXPECT_EQ(SlotOf(&Window::OnCreate), 6);
  EXPECT_EQ(SlotOf(&Window::OnShow), 7);
  EXPECT_EQ(SlotOf(&Window::OnHide), 8);
  EXPECT_EQ(SlotOf(&Window::OnPaint), 9);
  EXPECT_EQ(SlotOf(&Window::OnSize), 10);
  EXPECT_EQ(SlotOf(&Window::OnKeyDown), 11);
  EXPECT_EQ(SlotOf(&Window::OnKeyUp), 12);
  EXPECT_EQ(SlotOf(&Window::OnLButtonDown), 13);
  EXPECT_EQ(SlotOf(&Window::OnLButtonUp), 14);
  EXPECT_EQ(SlotOf(&Window::OnMouseMove), 15);
  EXPECT_EQ(SlotOf(&Window::OnCommand), 16);
  EXPECT_EQ(SlotOf(&Window::ReleaseGdiObjects), 17);
  EXPECT_EQ(SlotOf(&Window::OnHelp), 18);
  EXPECT_EQ(SlotOf(&Window::OnCtlColorButton), 19);
}

TEST(WindowSlots, StrokeListenersAndTheirListKeepTheirOrder) {
  EXPECT_EQ(SlotOf(&StrokeListener::OnStrokePoint), 0);
  EXPECT_EQ(SlotOf(&StrokeListener::OnStrokeEnd), 1);
  EXPECT_EQ(SlotOf(&StrokeListener::OnStrokeExtra), 2);
  EXPECT_EQ(SlotOf(&StrokeListenerList::Subscribe), 0);
  EXPECT_EQ(SlotOf(&StrokeListenerList::Unsubscribe), 1);
}

TEST(ObjectFields, WindowFieldsComeInTheirOrder) {
  Window w;
  EXPECT_TRUE(InOrder(w.hwnd, w.parent, w.instance, w.bounds, w.framed, w.tableEntry,
                      w.shadowPen, w.highlightPen, w.darkPen, w.lightPen));
  EXPECT_TRUE(InOrder(w.bounds.left, w.bounds.top, w.bounds.right, w.bounds.bottom));
  EXPECT_TRUE(InOrder(w.tableEntry.hwnd, w.tableEntry.owner));
}

TEST(ObjectFields, CanvasAndStatusFieldsFollowTheWindowsInTheirOrder) {
  HostWindow host;
  ClearableDrawArea canvas(0, 0, 0, 0, host.hwnd, GetModuleHandleW(nullptr));
  const DrawArea& area = *canvas.drawArea;
  EXPECT_TRUE(InOrder(area.lightPen, area.listeners, area.lastPoint, area.hdc, area.defaultPen,
                      area.clipRegion, area.strokes, area.strokeColors, area.currentPen));
  EXPECT_TRUE(InOrder(area.strokes.count, area.strokes.capacity, area.strokes.growBy,
                      area.strokes.items));
  EXPECT_TRUE(InOrder(area.strokeColors.count, area.strokeColors.capacity,
                      area.strokeColors.growBy, area.strokeColors.items));

  // The listener interface is the first base, the window the second.
  EXPECT_LT(reinterpret_cast<uintptr_t>(static_cast<StrokeListener*>(&canvas)),
            reinterpret_cast<uintptr_t>(static_cast<Window*>(&canvas)));
  EXPECT_TRUE(InOrder(canvas.lightPen, canvas.listeners, canvas.clearButton, canvas.undoButton,
                      canvas.drawArea));

  StatusArea status(host.hwnd, GetModuleHandleW(nullptr));
  EXPECT_TRUE(InOrder(status.lightPen, status.rightCount, status.wrongCount, status.total,
                      status.label, status.textIndent, status.lineHeight));
}

}  // namespace
}  // namespace morvane
