// The stroke animation: looking the character up, the stroke popup (dialog
// 107 holding a "StrokeWin" window) and painting cells with pauses between them.
// Records are read before anything is shown, so their files are closed by then.
#include "strokes/stroke_animation.h"

#include <cwchar>
#include <memory>
#include <optional>

#include "device/device_screen.h"
#include "platform/clock.h"
#include "resources/resource.h"
#include "strokes/animation_plan.h"
#include "strokes/search_folders.h"
#include "strokes/stroke_database.h"
#include "ui/tappable_jpn_display.h"
#include "ui/window.h"

namespace morvane {
namespace {

// What the popup shows, handed over process-wide because the dialog
// procedure receives no argument of its own.
struct PopupInputs {
  AnimationPlan plan;
  HWND display = nullptr;  // the animation stops when this window goes away
};
PopupInputs* popupInputs = nullptr;

// Set while an animation runs, so a tap delivered meanwhile starts no other.
bool animating = false;

class AnimatingFlag {
 public:
  AnimatingFlag() { animating = true; }
  ~AnimatingFlag() { animating = false; }
  AnimatingFlag(const AnimatingFlag&) = delete;
  AnimatingFlag& operator=(const AnimatingFlag&) = delete;
};

RECT toRect(const CellRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Fills r of the window at once, outside WM_PAINT: the part of r inside clip
// is invalidated with erase and painted within one BeginPaint/EndPaint.
void paintNow(HWND target, const RECT& r, const RECT& clip, HBRUSH brush) {
  RECT invalid;
  IntersectRect(&invalid, &clip, &r);
  InvalidateRect(target, &invalid, TRUE);
  PAINTSTRUCT paint;
  HDC hdc = BeginPaint(target, &paint);
  FillRect(hdc, &r, brush);
  EndPaint(target, &paint);
}

// Carries out the plan on target: each step's pause, then its cell. Stops
// when the display's window, or the target, is gone.
void runPlan(const AnimationPlan& plan, HWND target, HWND display, const RECT& clip, HBRUSH brush) {
  for (const AnimationStep& step : plan) {
    uiClock().Sleep(step.pause);
    if (!IsWindow(display) || !IsWindow(target)) return;
    if (step.paints) paintNow(target, toRect(step.cell), clip, brush);
  }
}

// The popup's plan: the large record at half the delay per cell, or else the
// small record at all of it; none when the character has neither (a record
// the data file ends inside counts as missing).
std::optional<AnimationPlan> popupPlanFor(uint16_t code, uint32_t delay) {
  if (std::unique_ptr<StrokeList> strokes =
          loadStrokeList(searchFolders, lessonDatabases->large, code)) {
    return largePopupPlan(*strokes, popupCellPause(delay, true));
  }
  if (std::unique_ptr<CellPath> path = loadCellPath(searchFolders, lessonDatabases->small, code)) {
    return smallPopupPlan(*path, popupCellPause(delay, false));
  }
  return std::nullopt;
}

void showPopup(HWND dialog, PopupInputs& inputs) {
  HBRUSH cellBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
  device::SetWindowPos(dialog, HWND_TOP, popupLeft(device::GetSystemMetrics(SM_CXSCREEN)),
                       kPopupTop, kPopupSize, kPopupSize, SWP_FRAMECHANGED);

  Window strokeWindow;
  strokeWindow.Create(0, 0, kPopupSize, kPopupSize, dialog,
                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)),
                      L"StrokeWin");
  strokeWindow.SetFramed(1);
  ShowWindow(dialog, SW_SHOW);
  const RECT whole{0, 0, kPopupSize, kPopupSize};
  InvalidateRect(strokeWindow.hwnd, &whole, TRUE);
  PAINTSTRUCT paint;
  HDC hdc = BeginPaint(strokeWindow.hwnd, &paint);
  strokeWindow.DrawSunkenBorder(hdc, true);
  EndPaint(strokeWindow.hwnd, &paint);

  runPlan(inputs.plan, strokeWindow.hwnd, inputs.display, whole, cellBrush);
  DeleteObject(cellBrush);
}

// All of the popup's work happens while it initialises; it ends itself.
INT_PTR CALLBACK StrokePopupProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  if (popupInputs) showPopup(dialog, *popupInputs);
  EndDialog(dialog, 0);
  return TRUE;
}

void animateInPopup(TappableJpnDisplay& display, uint16_t code, uint32_t delay) {
  std::optional<AnimationPlan> plan = popupPlanFor(code, delay);
  if (!plan) return;
  PopupInputs inputs{std::move(*plan), display.hwnd};

  HRSRC resource = FindResourceW(display.instance, MAKEINTRESOURCEW(IDD_STROKE_POPUP),
                                 reinterpret_cast<LPCWSTR>(RT_DIALOG));
  HGLOBAL loaded = resource ? LoadResource(display.instance, resource) : nullptr;
  const auto* dialogTemplate =
      loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
  if (!dialogTemplate) return;
  popupInputs = &inputs;
  DialogBoxIndirectParamW(display.instance, dialogTemplate, display.parent, StrokePopupProc, 0);
  popupInputs = nullptr;
}

void animateInPlace(TappableJpnDisplay& display, uint16_t code, const CellRect& glyph,
                    uint32_t delay) {
  std::unique_ptr<CellPath> path = loadCellPath(searchFolders, lessonDatabases->small, code);
  if (!path) return;

  RECT clip = display.bounds;
  if (display.framed) InflateRect(&clip, -2, -2);
  const HWND target = display.hwnd;
  paintNow(target, toRect(glyph), clip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HBRUSH cellBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
  runPlan(inPlacePlan(*path, glyph, delay), target, target, clip, cellBrush);
  DeleteObject(cellBrush);
}

}  // namespace

void animateStrokes(TappableJpnDisplay& display, const wchar_t* code, int32_t left, int32_t top,
                    int32_t right, int32_t bottom, uint32_t delay, int32_t large) {
  if (animating || !code) return;
  AnimatingFlag flag;
  // Keys are character codes; text that is no such number finds nothing.
  unsigned int value = 0;
  if (swscanf(code, L"%x", &value) != 1 || value > 0xFFFF) return;
  if (large) {
    animateInPopup(display, static_cast<uint16_t>(value), delay);
  } else {
    animateInPlace(display, static_cast<uint16_t>(value), CellRect{left, top, right, bottom},
                   delay);
  }
}

}  // namespace morvane
