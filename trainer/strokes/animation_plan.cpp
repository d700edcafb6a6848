// Timings and cell rectangles of the stroke animation.
#include "strokes/animation_plan.h"

namespace morvane {
namespace {

// Right or bottom edge of a cell that starts at start and spans size pixels.
int32_t roundedEdge(int32_t start, double size) {
  return static_cast<int32_t>(static_cast<double>(start) + size + 0.9999);
}

void addCells(AnimationPlan& plan, const CellPath& path, uint32_t pause, int32_t cellSize) {
  for (int32_t i = 0; i < path.Count(); ++i) {
    plan.push_back({pause, true, popupCell(*path.Cell(i), cellSize)});
  }
}

}  // namespace

int32_t popupLeft(int32_t screenWidth) { return (screenWidth - kPopupSize) / 2; }

uint32_t popupCellPause(uint32_t delay, bool largeRecord) {
  return largeRecord ? delay / 2 : delay;
}

CellRect popupCell(const StrokeCell& cell, int32_t cellSize) {
  CellRect r;
  r.left = kPopupMargin + cellSize * cell.x;
  r.top = kPopupMargin + cellSize * cell.y;
  r.right = roundedEdge(r.left, cellSize);
  r.bottom = roundedEdge(r.top, cellSize);
  return r;
}

AnimationPlan largePopupPlan(const StrokeList& strokes, uint32_t d) {
  const uint32_t strokePause = kStrokePauseCells * d;
  AnimationPlan plan;
  plan.push_back({strokePause, false, {}});
  for (int32_t s = 0; s < strokes.Count(); ++s) {
    addCells(plan, *strokes.Stroke(s), d, kPopupArea / kLargeGrid);
    plan.push_back({strokePause, false, {}});
  }
  return plan;
}

AnimationPlan smallPopupPlan(const CellPath& path, uint32_t d) {
  AnimationPlan plan;
  addCells(plan, path, d, kPopupArea / kSmallGrid);
  return plan;
}

GridScale inPlaceScale(const CellRect& glyph) {
  GridScale scale;
  scale.sx = static_cast<float>(glyph.right - glyph.left) / static_cast<float>(kSmallGrid);
  scale.sy = static_cast<float>(glyph.bottom - glyph.top) / static_cast<float>(kSmallGrid);
  return scale;
}

CellRect inPlaceCell(const StrokeCell& cell, const GridScale& scale, const CellRect& glyph) {
  CellRect r;
  r.left =
      static_cast<int32_t>(static_cast<float>(cell.x) * scale.sx + static_cast<float>(glyph.left));
  r.top =
      static_cast<int32_t>(static_cast<float>(cell.y) * scale.sy + static_cast<float>(glyph.top));
  r.right = roundedEdge(r.left, scale.sx);
  r.bottom = roundedEdge(r.top, scale.sy);
  return r;
}

AnimationPlan inPlacePlan(const CellPath& path, const CellRect& glyph, uint32_t delay) {
  const GridScale scale = inPlaceScale(glyph);
  AnimationPlan plan;
  for (int32_t i = 0; i < path.Count(); ++i) {
    plan.push_back({delay, true, inPlaceCell(*path.Cell(i), scale, glyph)});
  }
  return plan;
}

}  // namespace morvane
