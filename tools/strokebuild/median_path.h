// A stroke's median, the line a writer's pen follows, in source units (y up):
// where along it a cell lies, and the pen positions of a stroke traced along
// it at an even speed.
#pragma once

#include <vector>

#include "cell_raster.h"
#include "strokes/stroke_lists.h"

namespace morvane::strokebuild {

struct MedianPoint {
  double x = 0;
  double y = 0;
};

using Median = std::vector<MedianPoint>;

// The cells of a grid of gridSize cells that the median passes through, from
// its start to its end, each once.
std::vector<GridCell> medianCells(const Median& median, int gridSize);

// The cells sorted by how far along the median the point nearest to each
// cell's centre lies (ties keep row order), for a grid of gridSize cells.
std::vector<GridCell> orderAlongMedian(std::vector<GridCell> cells, const Median& median,
                                       int gridSize);

// pointCount points at even steps of the median's length from its start to
// its end, on a canvas where the 1024-unit character is canvasHeight pixels
// high (y down), rounded to whole pixels. With an odd count the middle point
// is the point halfway along the stroke.
PointList evenTrace(const Median& median, int pointCount, double canvasHeight);

}  // namespace morvane::strokebuild
