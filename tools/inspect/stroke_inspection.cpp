// The inspector's stroke and judgement reports as text or JSON.
#include "stroke_inspection.h"

#include <memory>
#include <optional>

#include "lesson/char_token.h"
#include "lesson/encoding.h"
#include "platform/utf8.h"
#include "strokes/feedback_database.h"
#include "strokes/stroke_scoring.h"

namespace morvane {

namespace {

constexpr int kSmallGrid = 16;
constexpr int kLargeGrid = 24;

struct CharacterRecords {
  std::unique_ptr<CellPath> small;
  std::unique_ptr<StrokeList> large;
  std::optional<std::vector<FeedbackRecord>> feedback;
};

CharacterRecords readRecords(const FolderList& folders, const StrokeDatabases& names,
                             uint16_t code) {
  CharacterRecords records;
  records.small = loadCellPath(folders, names.small, code);
  records.large = loadStrokeList(folders, names.large, code);
  if (std::optional<RecordLocation> at = locateRecord(folders, names.feedback, code)) {
    records.feedback = readFeedbackRecords(*at->data, at->offset);
  }
  return records;
}

std::string cellsJson(const CellPath& path) {
  std::string out = "[";
  for (int32_t i = 0; i < path.Count(); ++i) {
    if (i > 0) out += ", ";
    out += "[" + std::to_string(path.Cell(i)->x) + ", " + std::to_string(path.Cell(i)->y) + "]";
  }
  return out + "]";
}

std::string strokesJson(const StrokeList& list) {
  std::string out = "[";
  for (int32_t i = 0; i < list.Count(); ++i) {
    if (i > 0) out += ", ";
    out += cellsJson(*list.Stroke(i));
  }
  return out + "]";
}

std::string feedbackJson(const std::vector<FeedbackRecord>& records) {
  std::string out = "[";
  for (size_t i = 0; i < records.size(); ++i) {
    if (i > 0) out += ", ";
    out += "[" + std::to_string(records[i].firstHalf) + ", " +
           std::to_string(records[i].secondHalf) + ", " + std::to_string(records[i].chord) + "]";
  }
  return out + "]";
}

// A size × size grid: cells painted before as "#", the path's own cells by
// their number in painting order from 1, the rest ".". Cells outside the
// grid are counted below it.
std::string drawGrid(int size, const std::vector<const CellPath*>& earlier, const CellPath& path) {
  std::vector<std::string> marks(static_cast<size_t>(size) * size, ".");
  int outside = 0;
  auto mark = [&](const StrokeCell& cell, const std::string& text) {
    if (cell.x < 0 || cell.x >= size || cell.y < 0 || cell.y >= size) {
      ++outside;
      return;
    }
    marks[static_cast<size_t>(cell.y) * size + cell.x] = text;
  };
  for (const CellPath* before : earlier) {
    for (int32_t i = 0; i < before->Count(); ++i) mark(*before->Cell(i), "#");
  }
  outside = 0;
  for (int32_t i = 0; i < path.Count(); ++i) mark(*path.Cell(i), std::to_string(i + 1));
  std::string out;
  for (int y = 0; y < size; ++y) {
    out += "   ";
    for (int x = 0; x < size; ++x) {
      const std::string& text = marks[static_cast<size_t>(y) * size + x];
      out += std::string(4 - text.size(), ' ') + text;
    }
    out += "\n";
  }
  if (outside > 0) out += "    " + std::to_string(outside) + " cells outside the grid\n";
  return out;
}

std::string recordsText(uint16_t code, const StrokeDatabases& databases,
                        const CharacterRecords& records) {
  const std::string small = toUtf8(databases.small), large = toUtf8(databases.large),
                    feedback = toUtf8(databases.feedback);
  std::string out = hexKey(code) + "\n";
  if (records.small) {
    out += "  small record (" + small + ", 16 x 16): " + std::to_string(records.small->Count()) +
           " cells in painting order\n";
    out += drawGrid(kSmallGrid, {}, *records.small);
  } else {
    out += "  small record (" + small + "): not found\n";
  }
  if (records.large) {
    out += "  large record (" + large + ", 24 x 24): " + std::to_string(records.large->Count()) +
           " strokes\n";
    std::vector<const CellPath*> earlier;
    for (int32_t s = 0; s < records.large->Count(); ++s) {
      const CellPath& stroke = *records.large->Stroke(s);
      out +=
          "  stroke " + std::to_string(s + 1) + ": " + std::to_string(stroke.Count()) + " cells\n";
      out += drawGrid(kLargeGrid, earlier, stroke);
      earlier.push_back(&stroke);
    }
  } else {
    out += "  large record (" + large + "): not found\n";
  }
  if (records.feedback) {
    out += "  feedback record (" + feedback + "): " + std::to_string(records.feedback->size()) +
           " strokes (first half, second half, chord)\n";
    for (size_t s = 0; s < records.feedback->size(); ++s) {
      const FeedbackRecord& r = (*records.feedback)[s];
      out += "    stroke " + std::to_string(s + 1) + ": " + std::to_string(r.firstHalf) + ", " +
             std::to_string(r.secondHalf) + ", " + std::to_string(r.chord) + "\n";
    }
  } else {
    out += "  feedback record (" + feedback + "): not found\n";
  }
  return out;
}

std::string colorName(uint32_t color) {
  if (color == kJudgedGood) return "black";
  if (color == kJudgedClose) return "blue";
  return "red";
}

}  // namespace

std::string inspectStrokeRecords(const FolderList& folders, const StrokeDatabases& databases,
                                 const std::vector<uint16_t>& codes, bool json) {
  std::string out = json ? "{" : "";
  std::vector<uint16_t> shown;
  for (uint16_t code : codes) {
    bool repeated = false;
    for (uint16_t s : shown) repeated = repeated || s == code;
    if (repeated) continue;
    const CharacterRecords records = readRecords(folders, databases, code);
    if (json) {
      if (!shown.empty()) out += ",\n ";
      out += "\"" + hexKey(code) +
             "\": {\"small\": " + (records.small ? cellsJson(*records.small) : "null") +
             ", \"large\": " + (records.large ? strokesJson(*records.large) : "null") +
             ", \"feedback\": " + (records.feedback ? feedbackJson(*records.feedback) : "null") +
             "}";
    } else {
      out += recordsText(code, databases, records);
    }
    shown.push_back(code);
  }
  return json ? out + "}\n" : out;
}

std::string inspectJudgement(const FolderList& folders, const StrokeDatabases& databases,
                             const std::vector<uint16_t>& characters, int32_t n,
                             const PointList& stroke, bool json) {
  std::vector<CharToken> tokens;
  for (uint16_t code : characters) {
    tokens.push_back(CharToken{static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code)});
  }
  PtrArray cells;
  for (CharToken& token : tokens) cells.Append(&token);

  std::vector<int> drawn;
  if (stroke.Count() > 0) {
    const FeedbackRecord codes = strokeCodes(stroke);
    drawn = {codes.firstHalf, codes.secondHalf, codes.chord};
  }
  const int score = judgeStroke(stroke, n, cells, folders, databases.feedback);
  const std::string color = colorName(judgementColor(score));

  std::string codesText;
  for (size_t i = 0; i < drawn.size(); ++i) {
    codesText += (i > 0 ? ", " : "") + std::to_string(drawn[i]);
  }
  if (json) {
    return "{\"codes\": [" + codesText + "], \"score\": " + std::to_string(score) +
           ", \"color\": \"" + color + "\"}\n";
  }
  return "drawn codes (first half, second half, chord): " +
         (drawn.empty() ? std::string("none") : codesText) + "\nscore: " + std::to_string(score) +
         (score == 0 ? " (good, or no judgement)" : "") + "\ncolour: " + color + "\n";
}

}  // namespace morvane
