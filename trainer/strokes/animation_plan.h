// What the stroke animation shows and when: the pause before each step and
// the rectangle each cell is painted into, in place over the tapped glyph or
// in the stroke popup. Platform-neutral, so the timings and the rectangles
// can be tested without windows; the Win32 side only carries the steps out.
#pragma once

#include <cstdint>
#include <vector>

#include "strokes/stroke_records.h"

namespace morvane {

// The popup: a square window near the top of the screen, the character drawn
// on a square area inset from its edges.
constexpr int32_t kPopupSize = 58;
constexpr int32_t kPopupTop = 48;
constexpr int32_t kPopupMargin = 5;
constexpr int32_t kPopupArea = 48;
// Cells per side of the small and the large database's grids.
constexpr int32_t kSmallGrid = 16;
constexpr int32_t kLargeGrid = 24;
// Before the first stroke and after every stroke the popup pauses this many cells.
constexpr uint32_t kStrokePauseCells = 15;

struct CellRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

inline bool operator==(const CellRect& a, const CellRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Pause for `pause` milliseconds, then paint `cell` when `paints` is set.
struct AnimationStep {
  uint32_t pause = 0;
  bool paints = false;
  CellRect cell;
};
using AnimationPlan = std::vector<AnimationStep>;

// Left edge of the popup, centred on a screen screenWidth pixels wide.
int32_t popupLeft(int32_t screenWidth);

// The pause per cell in the popup: half the tap's delay for a large record,
// all of it for the small record shown in its place.
uint32_t popupCellPause(uint32_t delay, bool largeRecord);

// A grid cell in the popup's drawing area, cellSize pixels square.
CellRect popupCell(const StrokeCell& cell, int32_t cellSize);

// A large record: 15 cell pauses, then each stroke's cells one by one, each
// stroke followed by another 15 cell pauses. d is the per-cell pause.
AnimationPlan largePopupPlan(const StrokeList& strokes, uint32_t d);

// A small record in the popup: its cells one by one, no stroke pauses.
AnimationPlan smallPopupPlan(const CellPath& path, uint32_t d);

// Scale of one small-grid cell over a glyph rectangle: the rectangle's size
// divided by the 16 cells of the grid, whatever the font's pixel size (a
// 24-pixel font would otherwise fill only two thirds of the glyph).
struct GridScale {
  float sx = 1.0f;
  float sy = 1.0f;
};
GridScale inPlaceScale(const CellRect& glyph);

// A small-grid cell over the glyph: its top-left corner truncated, its
// right and bottom edges rounded up so that neighbouring cells leave no gap.
CellRect inPlaceCell(const StrokeCell& cell, const GridScale& scale, const CellRect& glyph);

// A small record in place: each cell after `delay` milliseconds.
AnimationPlan inPlacePlan(const CellPath& path, const CellRect& glyph, uint32_t delay);

}  // namespace morvane
