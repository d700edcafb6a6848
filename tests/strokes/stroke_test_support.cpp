// Helpers shared by the stroke tests.
#include "stroke_test_support.h"

#include "platform/utf8.h"

namespace morvane::test {

std::string indexBytes(const std::vector<IndexEntry>& entries) {
  std::string out;
  for (const IndexEntry& e : entries) {
    for (uint32_t field : {e.code, e.offset, 0u}) {
      for (int i = 0; i < 4; ++i) out += static_cast<char>(field >> (8 * i) & 0xFF);
    }
  }
  return out;
}

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

void DatabaseFolder::write(const std::wstring& base, const std::string& index,
                           const std::string& data) const {
  dir.write(toUtf8(base) + ".ind", index);
  dir.write(toUtf8(base) + ".dat", data);
}

PointList strokeOf(std::initializer_list<Point> points) {
  PointList stroke;
  for (const Point& p : points) stroke.Append(p);
  return stroke;
}

}  // namespace morvane::test
