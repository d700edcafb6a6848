// What the handwriting canvas records: the points of each stroke and one
// colour per stroke. Platform-neutral, so the judging of strokes can be tested
// without windows.
#pragma once

#include <cstdint>

#include "strokes/growable_list.h"

namespace morvane {

// A pen position in the drawing area's client pixels.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// The points of one stroke in the order drawn (capacity and growth 64).
class PointList : public GrowableList<Point> {
 public:
  PointList() : GrowableList<Point>(64) {}
};

// The strokes of the canvas (capacity and growth 64). Removing strokes only
// lowers `count`; later strokes reuse those entries and their point blocks.
class StrokeArray : public GrowableList<PointList> {
 public:
  StrokeArray() : GrowableList<PointList>(64) {}

  // Starts a stroke whose only point is p, reusing a freed entry if there is one.
  PointList& StartStroke(Point p);
  // The last stroke, or none when there is no stroke.
  PointList* LastStroke();
};

// One colour (a 0x00BBGGRR value) per stroke (capacity and growth 64).
class ColorList : public GrowableList<uint32_t> {
 public:
  ColorList() : GrowableList<uint32_t>(64) {}
};

}  // namespace morvane
