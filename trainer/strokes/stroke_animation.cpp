// The stroke animation: looking the character up, the stroke popup (dialog
// 107 holding a "StrokeWin" window) and painting cells with pauses between them.
#include "strokes/stroke_animation.h"

#include <memory>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "resources/resource.h"
#include "strokes/animation_plan.h"
#include "strokes/search_folders.h"
#include "strokes/stroke_database.h"
#include "ui/tappable_jpn_display.h"
#include "ui/window.h"

namespace morvane {
namespace {

// The record the popup shows, handed over process-wide because the dialog
// procedure receives no argument of its own. The popup closes the file.
struct PopupInputs {
  uint32_t cellPause = 0;
  bool largeRecord = false;
  RecordLocation record;
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
void runPlan(const AnimationPlan& plan, HWND target, HWND display, const RECT& clip,
             HBRUSH brush) {
  for (const AnimationStep& step : plan) {
    uiClock().Sleep(step.pause);
    if (!IsWindow(display) || !IsWindow(target)) return;
    if (step.paints) paintNow(target, toRect(step.cell), clip, brush);
  }
}

std::optional<RecordLocation> locate(const std::string& key, const wchar_t* base) {
  RecordLocation location;
  if (!findEntry(searchFolders, std::wstring(base) + L".ind", key, location.offset)) {
    return std::nullopt;
  }
  location.data = openInFolders(searchFolders, std::wstring(base) + L".dat");
  if (!location.data) return std::nullopt;
  return location;
}

// The plan of the stored record; the record's file is closed once read.
AnimationPlan popupPlan(PopupInputs& inputs) {
  std::unique_ptr<File> data = std::move(inputs.record.data);
  if (inputs.largeRecord) {
    std::unique_ptr<StrokeList> strokes = readStrokeList(*data, inputs.record.offset);
    return strokes ? largePopupPlan(*strokes, inputs.cellPause) : AnimationPlan{};
  }
  std::unique_ptr<CellPath> path = readCellPath(*data, inputs.record.offset);
  return path ? smallPopupPlan(*path, inputs.cellPause) : AnimationPlan{};
}

void showPopup(HWND dialog, PopupInputs& inputs) {
  HBRUSH cellBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
  SetWindowPos(dialog, HWND_TOP, popupLeft(GetSystemMetrics(SM_CXSCREEN)), kPopupTop, kPopupSize,
               kPopupSize, SWP_FRAMECHANGED);

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

  runPlan(popupPlan(inputs), strokeWindow.hwnd, inputs.display, whole, cellBrush);
  DeleteObject(cellBrush);
}

// All of the popup's work happens while it initialises; it ends itself.
INT_PTR CALLBACK StrokePopupProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  if (popupInputs) showPopup(dialog, *popupInputs);
  EndDialog(dialog, 0);
  return TRUE;
}

void animateInPopup(TappableJpnDisplay& display, const std::string& key, uint32_t delay) {
  PopupInputs inputs;
  inputs.display = display.hwnd;
  if (std::optional<RecordLocation> large = locate(key, kLargeStrokesBase)) {
    inputs.largeRecord = true;
    inputs.record = std::move(*large);
  } else if (std::optional<RecordLocation> small = locate(key, kSmallStrokesBase)) {
    inputs.record = std::move(*small);
  } else {
    return;
  }
  inputs.cellPause = popupCellPause(delay, inputs.largeRecord);

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

void animateInPlace(TappableJpnDisplay& display, const std::string& key, const CellRect& glyph,
                    uint32_t delay) {
  std::optional<RecordLocation> small = locate(key, kSmallStrokesBase);
  if (!small) return;
  std::unique_ptr<CellPath> path = readCellPath(*small->data, small->offset);
  small->data.reset();
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
  // The key is four hexadecimal digits; anything else finds nothing.
  std::string key;
  for (const wchar_t* c = code; *c; ++c) key += *c < 128 ? static_cast<char>(*c) : '?';
  if (large) {
    animateInPopup(display, key, delay);
  } else {
    animateInPlace(display, key, CellRect{left, top, right, bottom}, delay);
  }
}

}  // namespace morvane
