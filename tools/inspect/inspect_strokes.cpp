// morvane-inspect strokes and judge: the stroke data and the judgement of a
// drawn stroke as the trainer sees them, without the GUI.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "font_inspection.h"
#include "inspect_commands.h"
#include "platform/utf8.h"
#include "stroke_inspection.h"

namespace morvane {

namespace {

// --json, --big5 and --data DIR, wherever they stand; the rest in order.
struct CommonOptions {
  bool json = false;
  // Big5 codes, looked up in the traditional databases.
  bool big5 = false;
  std::string dataDir = MORVANE_DEFAULT_DATA_DIR;
  std::vector<std::string> operands;
};

bool parseOptions(int argc, char** argv, CommonOptions& options) {
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) {
      options.json = true;
    } else if (std::strcmp(argv[i], "--big5") == 0) {
      options.big5 = true;
    } else if (std::strcmp(argv[i], "--data") == 0) {
      if (i + 1 >= argc) return false;
      options.dataDir = argv[++i];
    } else {
      options.operands.push_back(argv[i]);
    }
  }
  return true;
}

bool parseCode(const std::string& text, std::vector<uint16_t>& codes) {
  uint16_t code = 0;
  if (!parseGlyphCode(text, code)) return false;
  codes.push_back(code);
  return true;
}

// A whole decimal number within [low, high].
bool parseInteger(const std::string& text, long low, long high, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0' && value >= low && value <= high;
}

bool parsePoint(const std::string& text, Point& point) {
  const size_t comma = text.find(',');
  long x = 0, y = 0;
  if (comma == std::string::npos || !parseInteger(text.substr(0, comma), -65536, 65536, x) ||
      !parseInteger(text.substr(comma + 1), -65536, 65536, y)) {
    return false;
  }
  point = Point{static_cast<int32_t>(x), static_cast<int32_t>(y)};
  return true;
}

int usageError(const char* usage, const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "morvane-inspect: %s\n", problem.c_str());
  std::fputs(usage, stderr);
  return 2;
}

const char* const kStrokesUsage =
    "usage: morvane-inspect strokes [--json] [--big5] [--data DIR] CODE...\n";
const char* const kJudgeUsage =
    "usage: morvane-inspect judge [--json] [--big5] [--data DIR] CODE[,CODE...] N X,Y [X,Y ...]\n";

const StrokeDatabases& databasesOf(const CommonOptions& options) {
  return options.big5 ? kTraditionalDatabases : kSimplifiedDatabases;
}

}  // namespace

int inspectStrokes(int argc, char** argv) {
  CommonOptions options;
  if (!parseOptions(argc, argv, options) || options.operands.empty()) {
    return usageError(kStrokesUsage, "");
  }
  std::vector<uint16_t> codes;
  for (const std::string& operand : options.operands) {
    if (!parseCode(operand, codes)) {
      return usageError(kStrokesUsage, "'" + operand + "' is not a code of four hex digits");
    }
  }
  std::fputs(
      inspectStrokeRecords({fromUtf8(options.dataDir)}, databasesOf(options), codes, options.json)
          .c_str(),
      stdout);
  return 0;
}

int inspectJudge(int argc, char** argv) {
  CommonOptions options;
  if (!parseOptions(argc, argv, options) || options.operands.size() < 2) {
    return usageError(kJudgeUsage, "");
  }
  std::vector<uint16_t> characters;
  const std::string& list = options.operands[0];
  for (size_t start = 0; start <= list.size();) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    const std::string code = list.substr(start, comma - start);
    if (!parseCode(code, characters)) {
      return usageError(kJudgeUsage, "'" + code + "' is not a code of four hex digits");
    }
    start = comma + 1;
  }
  long n = 0;
  if (!parseInteger(options.operands[1], 0, 1 << 30, n)) {
    return usageError(kJudgeUsage, "'" + options.operands[1] + "' is not a stroke number");
  }
  PointList stroke;
  for (size_t i = 2; i < options.operands.size(); ++i) {
    Point point;
    if (!parsePoint(options.operands[i], point)) {
      return usageError(kJudgeUsage, "'" + options.operands[i] + "' is not a point X,Y");
    }
    stroke.Append(point);
  }
  std::fputs(inspectJudgement({fromUtf8(options.dataDir)}, databasesOf(options), characters,
                              static_cast<int32_t>(n), stroke, options.json)
                 .c_str(),
             stdout);
  return 0;
}

}  // namespace morvane
