// The stroke outlines' SVG subset. Numbers may be separated by spaces or
// commas; a command letter may repeat its arguments, as SVG allows.
#include "svg_outline.h"

#include <cctype>
#include <cstdlib>

namespace morvane::strokebuild {

namespace {

class PathScanner {
 public:
  explicit PathScanner(const std::string& text) : text_(text) {}

  void skipSeparators() {
    while (pos_ < text_.size() && (std::isspace(static_cast<unsigned char>(text_[pos_])) ||
                                   text_[pos_] == ',')) {
      ++pos_;
    }
  }
  bool atEnd() {
    skipSeparators();
    return pos_ >= text_.size();
  }
  bool atCommand() {
    skipSeparators();
    return pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_]));
  }
  char command() { return text_[pos_++]; }
  bool number(double& value) {
    skipSeparators();
    const char* start = text_.c_str() + pos_;
    char* end = nullptr;
    value = std::strtod(start, &end);
    if (end == start) return false;
    pos_ += static_cast<size_t>(end - start);
    return true;
  }

 private:
  const std::string& text_;
  size_t pos_ = 0;
};

// Reads `pairs` coordinate pairs and appends them with the given kinds
// (the last one on the curve).
bool appendPoints(PathScanner& scanner, int pairs, OutlinePoint::Kind controlKind,
                  Outline& outline) {
  for (int i = 0; i < pairs; ++i) {
    OutlinePoint p;
    if (!scanner.number(p.x) || !scanner.number(p.y)) return false;
    p.kind = i + 1 == pairs ? OutlinePoint::OnCurve : controlKind;
    outline.points.push_back(p);
  }
  return true;
}

void closeContour(Outline& outline, int contourStart) {
  const int last = static_cast<int>(outline.points.size()) - 1;
  if (last < contourStart) return;
  // A contour that returns to its start point would repeat it.
  const OutlinePoint& first = outline.points[contourStart];
  const OutlinePoint& end = outline.points[last];
  if (last > contourStart && end.kind == OutlinePoint::OnCurve && end.x == first.x &&
      end.y == first.y) {
    outline.points.pop_back();
  }
  outline.contourEnds.push_back(static_cast<int>(outline.points.size()) - 1);
}

}  // namespace

bool parseSvgOutline(const std::string& path, Outline& outline, std::string& error) {
  outline = Outline();
  PathScanner scanner(path);
  int contourStart = -1;
  char current = 0;
  while (!scanner.atEnd()) {
    if (scanner.atCommand()) current = scanner.command();
    bool ok = true;
    switch (current) {
      case 'M':
        if (contourStart >= 0) closeContour(outline, contourStart);
        contourStart = static_cast<int>(outline.points.size());
        ok = appendPoints(scanner, 1, OutlinePoint::OnCurve, outline);
        current = 'L';  // further pairs after M are lines
        break;
      case 'L':
        ok = contourStart >= 0 && appendPoints(scanner, 1, OutlinePoint::OnCurve, outline);
        break;
      case 'Q':
        ok = contourStart >= 0 && appendPoints(scanner, 2, OutlinePoint::Conic, outline);
        break;
      case 'C':
        ok = contourStart >= 0 && appendPoints(scanner, 3, OutlinePoint::Cubic, outline);
        break;
      case 'Z':
        if (contourStart >= 0) closeContour(outline, contourStart);
        contourStart = -1;
        current = 0;
        break;
      default:
        error = current ? std::string("unknown path command ") + current : "path without a command";
        return false;
    }
    if (!ok) {
      error = std::string("bad arguments of path command ") + current;
      return false;
    }
  }
  if (contourStart >= 0) closeContour(outline, contourStart);
  return true;
}

}  // namespace morvane::strokebuild
