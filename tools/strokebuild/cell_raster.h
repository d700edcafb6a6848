// Which cells of a square grid a stroke's outline covers, drawn by FreeType.
#pragma once

#include <string>
#include <vector>

#include "svg_outline.h"

namespace morvane::strokebuild {

// A grid cell, column x and row y from the top left.
struct GridCell {
  int x = 0;
  int y = 0;
};

// The 1024-unit source grid with y up, and the baseline 900 units from the top.
constexpr double kSourceUnits = 1024.0;
constexpr double kSourceTop = 900.0;

class CellRasterizer {
 public:
  CellRasterizer();
  ~CellRasterizer();
  CellRasterizer(const CellRasterizer&) = delete;
  CellRasterizer& operator=(const CellRasterizer&) = delete;

  bool ready() const { return library_ != nullptr; }

  // The cells of a grid of gridSize × gridSize that the outline covers at
  // least half, in row order. A thin outline that covers no cell that much
  // still gets its most covered cells, so no stroke vanishes.
  std::vector<GridCell> cover(const Outline& outline, int gridSize);

 private:
  void* library_ = nullptr;
};

}  // namespace morvane::strokebuild
