// Building a character's records from its outlines and medians.
#include "character_strokes.h"

#include <nlohmann/json.hpp>

#include <set>
#include <utility>

namespace morvane::strokebuild {

namespace {

constexpr size_t kMaxRecordCount = 255;

// The stroke's cells on a grid, from its start to its end: those its outline
// covers, and those its median crosses, so that a thin stroke has no gaps.
bool strokeCells(const std::string& outlineText, const Median& median, int gridSize,
                 CellRasterizer& rasterizer, std::vector<GridCell>& cells, std::string& error) {
  Outline outline;
  if (!parseSvgOutline(outlineText, outline, error)) return false;
  cells = rasterizer.cover(outline, gridSize);
  std::set<std::pair<int, int>> covered;
  for (const GridCell& cell : cells) covered.insert({cell.x, cell.y});
  for (const GridCell& cell : medianCells(median, gridSize)) {
    if (covered.insert({cell.x, cell.y}).second) cells.push_back(cell);
  }
  cells = orderAlongMedian(cells, median, gridSize);
  return true;
}

}  // namespace

bool parseCharacterStrokes(const std::string& json, CharacterStrokes& strokes,
                           std::string& error) {
  strokes = CharacterStrokes();
  const nlohmann::json data = nlohmann::json::parse(json, nullptr, false);
  if (data.is_discarded() || !data.is_object()) {
    error = "not a JSON object";
    return false;
  }
  const auto outlines = data.find("strokes");
  const auto medians = data.find("medians");
  if (outlines == data.end() || medians == data.end() || !outlines->is_array() ||
      !medians->is_array() || outlines->size() != medians->size()) {
    error = "no matching \"strokes\" and \"medians\" arrays";
    return false;
  }
  for (const auto& outline : *outlines) {
    if (!outline.is_string()) {
      error = "a stroke outline is not a string";
      return false;
    }
    strokes.outlines.push_back(outline.get<std::string>());
  }
  for (const auto& median : *medians) {
    Median points;
    if (median.is_array()) {
      for (const auto& p : median) {
        if (!p.is_array() || p.size() != 2 || !p[0].is_number() || !p[1].is_number()) break;
        points.push_back({p[0].get<double>(), p[1].get<double>()});
      }
    }
    if (points.empty() || points.size() != median.size()) {
      error = "a median is not a list of [x, y] points";
      return false;
    }
    strokes.medians.push_back(std::move(points));
  }
  return true;
}

FeedbackRecord feedbackFor(const Median& median) {
  return strokeCodes(evenTrace(median, kTracePoints, kCanvasHeight));
}

bool buildCharacterRecords(const CharacterStrokes& strokes, CellRasterizer& rasterizer,
                           CharacterRecords& records, std::string& error) {
  if (strokes.outlines.size() > kMaxRecordCount) {
    error = "more than 255 strokes";
    return false;
  }
  records.small = std::make_unique<CellPath>();
  records.large = std::make_unique<StrokeList>();
  records.feedback.clear();
  std::set<std::pair<int, int>> painted;
  for (size_t i = 0; i < strokes.outlines.size(); ++i) {
    std::vector<GridCell> large, small;
    if (!strokeCells(strokes.outlines[i], strokes.medians[i], kLargeGrid, rasterizer, large,
                     error) ||
        !strokeCells(strokes.outlines[i], strokes.medians[i], kSmallGrid, rasterizer, small,
                     error)) {
      return false;
    }
    auto path = std::make_unique<CellPath>(static_cast<int32_t>(large.size()) + 1);
    for (const GridCell& cell : large) path->AddCell(cell.x, cell.y);
    records.large->AddStroke(path.release());
    // The small path paints each cell once, when its first stroke reaches it.
    for (const GridCell& cell : small) {
      if (painted.insert({cell.x, cell.y}).second) records.small->AddCell(cell.x, cell.y);
    }
    records.feedback.push_back(feedbackFor(strokes.medians[i]));
  }
  return true;
}

}  // namespace morvane::strokebuild
