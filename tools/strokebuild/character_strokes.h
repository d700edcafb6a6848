// One character of the stroke data and the three records built from it: the
// small path (16 × 16), the large stroke list (24 × 24) and the feedback codes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cell_raster.h"
#include "median_path.h"
#include "strokes/stroke_records.h"
#include "strokes/stroke_scoring.h"

namespace morvane::strokebuild {

constexpr int kSmallGrid = 16;
constexpr int kLargeGrid = 24;
// The handwriting canvas's scale: a character about 160 pixels high, traced
// with an odd number of points so that the middle one is halfway along.
constexpr double kCanvasHeight = 160.0;
constexpr int kTracePoints = 33;

// A character's strokes in writing order: SVG outlines and medians.
struct CharacterStrokes {
  std::vector<std::string> outlines;
  std::vector<Median> medians;
};

struct CharacterRecords {
  std::unique_ptr<CellPath> small;
  std::unique_ptr<StrokeList> large;
  std::vector<FeedbackRecord> feedback;
};

// Reads one character file of the stroke data ({"strokes": [...], "medians":
// [[[x, y], ...], ...]}); false, with error set, when it is not one.
bool parseCharacterStrokes(const std::string& json, CharacterStrokes& strokes,
                           std::string& error);

// Draws the records of one character. False, with error set, when an outline
// cannot be read or there are more than 255 strokes. (A record too big for
// its format fails when written.)
bool buildCharacterRecords(const CharacterStrokes& strokes, CellRasterizer& rasterizer,
                           CharacterRecords& records, std::string& error);

// The feedback record of a stroke: the codes of an even trace of its median.
FeedbackRecord feedbackFor(const Median& median);

}  // namespace morvane::strokebuild
