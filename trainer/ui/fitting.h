// How a string of character cells is fitted into a display box: the scale,
// the scaled cell and where each cell goes. Platform-neutral, so the
// arithmetic (single precision, truncation) can be tested without GDI.
#pragma once

#include <cstdint>

namespace morvane {

// Alignment codes passed by the display windows; other values mean left.
enum TextAlign : int32_t { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

// Natural width of n characters of a font: cells plus a gap of an eighth of a
// cell between neighbours.
int32_t naturalTextWidth(int32_t count, int32_t charWidth);

struct StringFit {
  float scale = 1.0f;
  int32_t width = 0;       // scaled width of the whole string
  int32_t cellWidth = 0;   // scaled cell
  int32_t cellHeight = 0;
  int32_t top = 0;         // top of every cell
  int32_t start = 0;       // left of the first cell
  float advance = 0.0f;    // distance from one cell's left to the next

  // Left edge of cell i.
  int32_t cellLeft(int32_t i) const;
};

struct FitRequest {
  int32_t x = 0, y = 0, w = 0;  // the box (its height enters through usableHeight)
  int32_t usableHeight = 0;     // box height less the margins and marks
  int32_t naturalWidth = 0;     // TextWidth of the string
  int32_t count = 0;            // characters in the string
  int32_t glyphWidth = 0, glyphHeight = 0;
  int32_t align = kAlignLeft;
  int32_t leftStart = 4;        // start of a non-centred string
};

// The smaller of the horizontal and vertical scale (compared in whole
// hundredths, the vertical one on a tie), made whole when above 1.00 and
// never below 1.
float fitScale(int32_t naturalWidth, int32_t w, int32_t usableHeight, int32_t glyphHeight);

StringFit fitString(const FitRequest& request);

}  // namespace morvane
