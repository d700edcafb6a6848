// Arc-length arithmetic on medians.
#include "median_path.h"

#include <algorithm>
#include <cmath>

namespace morvane::strokebuild {

namespace {

double distance(const MedianPoint& a, const MedianPoint& b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// How far along the median lies the point of it nearest to p.
double progressOf(const Median& median, const MedianPoint& p) {
  if (median.size() < 2) return 0;
  double best = INFINITY;
  double bestProgress = 0;
  double travelled = 0;
  for (size_t i = 0; i + 1 < median.size(); ++i) {
    const MedianPoint& a = median[i];
    const MedianPoint& b = median[i + 1];
    const double length = distance(a, b);
    double t = 0;
    if (length > 0) {
      t = ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / (length * length);
      t = std::clamp(t, 0.0, 1.0);
    }
    const MedianPoint nearest{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    const double d = distance(p, nearest);
    if (d < best) {
      best = d;
      bestProgress = travelled + t * length;
    }
    travelled += length;
  }
  return bestProgress;
}

// The point at arc length s from the median's start.
MedianPoint pointAt(const Median& median, double s) {
  for (size_t i = 0; i + 1 < median.size(); ++i) {
    const double length = distance(median[i], median[i + 1]);
    if (s <= length && length > 0) {
      const double t = s / length;
      return {median[i].x + t * (median[i + 1].x - median[i].x),
              median[i].y + t * (median[i + 1].y - median[i].y)};
    }
    s -= length;
  }
  return median.back();
}

double lengthOf(const Median& median) {
  double total = 0;
  for (size_t i = 0; i + 1 < median.size(); ++i) total += distance(median[i], median[i + 1]);
  return total;
}

}  // namespace

std::vector<GridCell> medianCells(const Median& median, int gridSize) {
  std::vector<GridCell> cells;
  if (median.empty()) return cells;
  const double cellUnits = kSourceUnits / gridSize;
  const double total = lengthOf(median);
  // Steps of a quarter cell miss no cell the line crosses by more than a corner.
  const int steps = 1 + static_cast<int>(total / (cellUnits / 4));
  for (int i = 0; i <= steps; ++i) {
    const MedianPoint p = pointAt(median, total * i / steps);
    const GridCell cell{std::clamp(static_cast<int>(p.x / cellUnits), 0, gridSize - 1),
                        std::clamp(static_cast<int>((kSourceTop - p.y) / cellUnits), 0,
                                   gridSize - 1)};
    bool seen = false;
    for (const GridCell& c : cells) seen = seen || (c.x == cell.x && c.y == cell.y);
    if (!seen) cells.push_back(cell);
  }
  return cells;
}

std::vector<GridCell> orderAlongMedian(std::vector<GridCell> cells, const Median& median,
                                       int gridSize) {
  const double cellUnits = kSourceUnits / gridSize;
  std::vector<std::pair<double, GridCell>> keyed;
  for (const GridCell& cell : cells) {
    const MedianPoint centre{(cell.x + 0.5) * cellUnits, kSourceTop - (cell.y + 0.5) * cellUnits};
    keyed.emplace_back(progressOf(median, centre), cell);
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) cells[i] = keyed[i].second;
  return cells;
}

PointList evenTrace(const Median& median, int pointCount, double canvasHeight) {
  PointList trace;
  if (median.empty() || pointCount < 1) return trace;
  const double total = lengthOf(median);
  const double scale = canvasHeight / kSourceUnits;
  for (int i = 0; i < pointCount; ++i) {
    const double s = pointCount == 1 ? 0 : total * i / (pointCount - 1);
    const MedianPoint p = pointAt(median, s);
    trace.Append(Point{static_cast<int32_t>(std::lround(p.x * scale)),
                       static_cast<int32_t>(std::lround((kSourceTop - p.y) * scale))});
  }
  return trace;
}

}  // namespace morvane::strokebuild
