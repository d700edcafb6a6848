// Shared helpers of the stroke tests: database files made by hand in a
// scratch folder, and strokes from point lists.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "hbf_test_support.h"
#include "strokes/stroke_database.h"
#include "strokes/stroke_lists.h"

namespace morvane::test {

struct IndexEntry {
  uint32_t code;
  uint32_t offset;
};

// Index bytes: 12 per entry (code, offset, reserved 0), little-endian.
std::string indexBytes(const std::vector<IndexEntry>& entries);

// The bytes as a string (for data files written by hand).
std::string bytes(std::initializer_list<int> values);

// A scratch folder holding one database: base.ind and base.dat.
class DatabaseFolder {
 public:
  void write(const std::wstring& base, const std::string& index, const std::string& data) const;
  FolderList folders() const { return {dir.root().wstring()}; }
  ScratchDir dir;
};

PointList strokeOf(std::initializer_list<Point> points);

}  // namespace morvane::test
