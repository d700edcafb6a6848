// A stroke's outline as the stroke data gives it: an SVG path of absolute
// M, L, Q, C and Z commands on the 1024-unit grid, y pointing up.
#pragma once

#include <string>
#include <vector>

namespace morvane::strokebuild {

struct OutlinePoint {
  enum Kind { OnCurve, Conic, Cubic };
  double x = 0;
  double y = 0;
  Kind kind = OnCurve;
};

// Closed contours, each a run of points starting on the curve.
struct Outline {
  std::vector<OutlinePoint> points;
  std::vector<int> contourEnds;  // index of each contour's last point
};

// Parses path; false (with error set) on a command it does not know, a
// missing number or a curve before any move.
bool parseSvgOutline(const std::string& path, Outline& outline, std::string& error);

}  // namespace morvane::strokebuild
