// Judging one handwritten stroke: its first half, second half and chord are
// reduced to direction codes and compared with a stored feedback record.
#pragma once

#include <cstdint>

#include "strokes/stroke_lists.h"

namespace morvane {

// Direction of a segment on screen (y down): even codes clockwise from up
// (0 up, 4 right, 8 down, 12 left), plus 1 for a segment under 5 pixels.
using DirectionCode = uint8_t;

// A stored stroke: the codes of its first half, second half and chord.
struct FeedbackRecord {
  DirectionCode firstHalf = 0;
  DirectionCode secondHalf = 0;
  DirectionCode chord = 0;
  uint8_t reserved = 0;
};

DirectionCode directionCode(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// Cost of a drawn code against a stored one: 0 same or neighbouring, 1 45° off,
// 3 roughly opposite, 2 otherwise.
int codeDistance(DirectionCode drawn, DirectionCode stored);

// The three codes of a drawn stroke: start to middle point (point p / 2),
// middle to end, start to end. Needs at least one point.
FeedbackRecord strokeCodes(const PointList& stroke);

// 0 (good) .. 3 (wrong): the summed distances of the three codes divided by 3;
// 2 for a stroke without points.
int scoreStroke(const PointList& stroke, const FeedbackRecord& record);

// Colours of a judgement, as 0x00BBGGRR values.
constexpr uint32_t kJudgedGood = 0x000000;   // black
constexpr uint32_t kJudgedClose = 0xFF0000;  // blue
constexpr uint32_t kJudgedWrong = 0x0000FF;  // red

// The colour a stroke gets for judgeStroke's result: 0 black, 1 blue, else red.
uint32_t judgementColor(int result);

}  // namespace morvane
