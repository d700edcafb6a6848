// Stroke recording with entry reuse.
#include "strokes/stroke_lists.h"

namespace morvane {

PointList& StrokeArray::StartStroke(Point p) {
  PointList& stroke = NextSlot();
  stroke.Clear();
  stroke.Append(p);
  return stroke;
}

PointList* StrokeArray::LastStroke() { return count > 0 ? &items[count - 1] : nullptr; }

}  // namespace morvane
