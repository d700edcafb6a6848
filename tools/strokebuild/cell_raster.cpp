// Outlines to grid cells: the outline is scaled onto the grid and rendered
// anti-aliased, so each pixel's grey level is the share of the cell covered.
#include "cell_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>

namespace morvane::strokebuild {

namespace {

constexpr unsigned char kHalfCovered = 128;

char tagOf(OutlinePoint::Kind kind) {
  switch (kind) {
    case OutlinePoint::Conic: return FT_CURVE_TAG_CONIC;
    case OutlinePoint::Cubic: return FT_CURVE_TAG_CUBIC;
    default: return FT_CURVE_TAG_ON;
  }
}

// The source point in 26.6 grid units, y up from the bottom of the grid.
FT_Vector toGrid(const OutlinePoint& p, int gridSize) {
  const double scale = gridSize / kSourceUnits * 64.0;
  const double bottom = kSourceTop - kSourceUnits;
  return FT_Vector{static_cast<FT_Pos>(p.x * scale + 0.5),
                   static_cast<FT_Pos>((p.y - bottom) * scale + 0.5)};
}

}  // namespace

CellRasterizer::CellRasterizer() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) library_ = library;
}

CellRasterizer::~CellRasterizer() {
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

std::vector<GridCell> CellRasterizer::cover(const Outline& outline, int gridSize) {
  std::vector<GridCell> cells;
  if (!library_ || outline.points.empty() || outline.contourEnds.empty()) return cells;

  std::vector<FT_Vector> points;
  std::vector<char> tags;
  for (const OutlinePoint& p : outline.points) {
    points.push_back(toGrid(p, gridSize));
    tags.push_back(tagOf(p.kind));
  }
  std::vector<short> ends(outline.contourEnds.begin(), outline.contourEnds.end());
  FT_Outline ftOutline = {};
  ftOutline.n_points = static_cast<short>(points.size());
  ftOutline.n_contours = static_cast<short>(ends.size());
  ftOutline.points = points.data();
  ftOutline.tags = tags.data();
  ftOutline.contours = ends.data();
  ftOutline.flags = FT_OUTLINE_NONE;

  std::vector<unsigned char> grey(static_cast<size_t>(gridSize) * gridSize, 0);
  FT_Bitmap bitmap = {};
  bitmap.rows = static_cast<unsigned>(gridSize);
  bitmap.width = static_cast<unsigned>(gridSize);
  bitmap.pitch = gridSize;
  bitmap.buffer = grey.data();
  bitmap.num_grays = 256;
  bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
  if (FT_Outline_Get_Bitmap(static_cast<FT_Library>(library_), &ftOutline, &bitmap) != 0) {
    return cells;
  }

  unsigned char threshold = kHalfCovered;
  const unsigned char most = *std::max_element(grey.begin(), grey.end());
  if (most == 0) return cells;
  if (most < threshold) threshold = most;
  for (int y = 0; y < gridSize; ++y) {
    for (int x = 0; x < gridSize; ++x) {
      if (grey[static_cast<size_t>(y) * gridSize + x] >= threshold) cells.push_back({x, y});
    }
  }
  return cells;
}

}  // namespace morvane::strokebuild
