// Fitting arithmetic: single precision, truncation toward zero, as drawn.
#include "ui/fitting.h"

#include <cmath>
#include <limits>

namespace morvane {

namespace {

// trunc(v) as an int, clamped so that absurd boxes cannot overflow.
int32_t truncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace

int32_t naturalTextWidth(int32_t count, int32_t charWidth) {
  int32_t gaps = count > 0 ? count - 1 : 0;
  return count * charWidth + (charWidth / 8) * gaps;
}

int32_t StringFit::cellLeft(int32_t i) const {
  float x = static_cast<float>(i) * advance;
  return start + truncToInt(x);
}

float fitScale(int32_t naturalWidth, int32_t w, int32_t usableHeight, int32_t glyphHeight) {
  float sy = static_cast<float>(usableHeight) / static_cast<float>(glyphHeight);
  float s = sy;
  // An empty string has no width to fit; the vertical scale alone decides.
  if (naturalWidth > 0) {
    float sx = static_cast<float>(w - 8) / static_cast<float>(naturalWidth);
    if (truncToInt(100.0f * sx) < truncToInt(100.0f * sy)) s = sx;
  }
  if (truncToInt(100.0f * s) > 100) s = static_cast<float>(truncToInt(s));
  if (s < 1.0f || std::isnan(s)) s = 1.0f;
  return s;
}

StringFit fitString(const FitRequest& r) {
  StringFit fit;
  int32_t glyphHeight = r.glyphHeight > 0 ? r.glyphHeight : 1;
  fit.scale = fitScale(r.naturalWidth, r.w, r.usableHeight, glyphHeight);
  const float s = fit.scale;
  fit.width = truncToInt(static_cast<float>(r.naturalWidth) * s);
  fit.cellWidth = truncToInt(static_cast<float>(r.glyphWidth) * s);
  fit.cellHeight = truncToInt(static_cast<float>(glyphHeight) * s);
  double dy = -0.5 * (static_cast<double>(r.usableHeight) - static_cast<double>(glyphHeight) * s);
  fit.top = r.y - truncToInt(dy) + 3;
  fit.advance = r.count > 0 ? static_cast<float>(fit.width) / static_cast<float>(r.count) : 0.0f;
  fit.start = r.align == kAlignCentre ? r.x + (r.w - fit.width) / 2 : r.leftStart;
  return fit;
}

}  // namespace morvane
