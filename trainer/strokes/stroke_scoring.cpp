// Direction codes and the scoring of one drawn stroke.
#include "strokes/stroke_scoring.h"

#include <cmath>

namespace morvane {

namespace {

// Sector bounds: 1, 3, 5 and 7 times 0.3932375 (an eighth of 3.14590, not of pi).
constexpr double kBound1 = 0.3932375;
constexpr double kBound3 = 1.1797125;
constexpr double kBound5 = 1.9661875;
constexpr double kBound7 = 2.7526625;

int evenCode(double a) {
  if (a > -kBound1 && a <= kBound1) return 4;
  if (a > kBound1 && a <= kBound3) return 6;
  if (a > kBound3 && a <= kBound5) return 8;
  if (a > kBound5 && a <= kBound7) return 10;
  if (a > kBound7 || a <= -kBound7) return 12;
  if (a > -kBound7 && a <= -kBound5) return 14;
  if (a > -kBound5 && a <= -kBound3) return 0;
  return 2;
}

bool isStep(int from, int to, int k) { return to == (from + k) % 16; }

}  // namespace

DirectionCode directionCode(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  const int64_t dx = static_cast<int64_t>(x1) - x0;
  const int64_t dy = static_cast<int64_t>(y1) - y0;
  const double a = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
  const int code = evenCode(a);
  const bool isShort = static_cast<double>(dx * dx + dy * dy) < 25.0;
  return static_cast<DirectionCode>(isShort ? code + 1 : code);
}

int codeDistance(DirectionCode drawn, DirectionCode stored) {
  const int u = drawn;
  const int s = stored;
  if (u == s) return 0;
  if (isStep(s, u, 1) || isStep(u, s, 1)) return 0;
  if (isStep(s, u, 2) || isStep(u, s, 2)) return 1;
  for (int k = 6; k <= 10; ++k) {
    if (isStep(u, s, k)) return 3;
  }
  return 2;
}

FeedbackRecord strokeCodes(const PointList& stroke) {
  const int32_t p = stroke.Count();
  const Point& start = stroke[0];
  const Point& middle = stroke[p / 2];
  const Point& end = stroke[p - 1];
  FeedbackRecord codes;
  codes.firstHalf = directionCode(start.x, start.y, middle.x, middle.y);
  codes.secondHalf = directionCode(middle.x, middle.y, end.x, end.y);
  codes.chord = directionCode(start.x, start.y, end.x, end.y);
  return codes;
}

int scoreStroke(const PointList& stroke, const FeedbackRecord& record) {
  if (stroke.Count() == 0) return 2;
  const FeedbackRecord drawn = strokeCodes(stroke);
  const int total = codeDistance(drawn.firstHalf, record.firstHalf) +
                    codeDistance(drawn.secondHalf, record.secondHalf) +
                    codeDistance(drawn.chord, record.chord);
  return total / 3;
}

uint32_t judgementColor(int result) {
  if (result == 0) return kJudgedGood;
  if (result == 1) return kJudgedClose;
  return kJudgedWrong;
}

}  // namespace morvane
