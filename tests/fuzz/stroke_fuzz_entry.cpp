// The stroke databases' fuzz entry point: the input is an index file and a
// data file (the first two bytes, little-endian, give the index's length), looked
// up as all three databases for every code the index names and a few more,
// and searched in memory as a lesson's marks are, with the same answers.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "lesson/char_token.h"
#include "memory_file_system.h"
#include "strokes/feedback_database.h"
#include "strokes/stroke_database.h"

namespace morvane::testing {

int fuzzStrokeDatabases(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t indexLength = size >= 2 ? (data[0] | data[1] << 8) : 0;
  const std::string body = size >= 2 ? input.substr(2) : std::string();
  if (indexLength > body.size()) indexLength = body.size();
  const std::string index = body.substr(0, indexLength);
  const std::string records = body.substr(indexLength);

  MemoryFileSystem fs;
  ScopedFileSystem use(fs);
  const FolderList folders = {L"data"};
  for (const wchar_t* base :
       {kSimplifiedDatabases.small, kSimplifiedDatabases.large, kSimplifiedDatabases.feedback}) {
    fs.put(joinFolder(folders[0], std::wstring(base) + L".ind"), index);
    fs.put(joinFolder(folders[0], std::wstring(base) + L".dat"), records);
  }
  // The searches meet every entry of a long index anyway: looking up its first
  // few codes (and judging an item of them) keeps each input quick.
  constexpr size_t kLookedUp = 16;
  std::vector<uint32_t> codes = {0, 0xFFFF, 0xB0A1, 0xFFFFFFFF};
  for (size_t at = 0; at + 4 <= index.size() && at / 12 < kLookedUp; at += 12) {
    const auto* p = reinterpret_cast<const uint8_t*>(index.data() + at);
    codes.push_back(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
  }

  const IndexSnapshot snapshot(folders, std::wstring(kSimplifiedDatabases.small) + L".ind");
  for (uint32_t code : codes) {
    uint32_t onDisk = 0, inMemory = 0;
    const bool found =
        findEntry(folders, std::wstring(kSimplifiedDatabases.small) + L".ind", code, onDisk);
    if (snapshot.find(code, inMemory) != found || (found && inMemory != onDisk)) std::abort();
  }

  std::vector<CharToken> tokens;
  for (uint32_t code : codes) {
    loadCellPath(folders, kSimplifiedDatabases.small, static_cast<uint16_t>(code));
    loadStrokeList(folders, kSimplifiedDatabases.large, static_cast<uint16_t>(code));
    if (auto at =
            locateRecord(folders, kSimplifiedDatabases.feedback, static_cast<uint16_t>(code))) {
      readFeedbackRecords(*at->data, at->offset);
    }
    tokens.push_back({static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code)});
  }
  PtrArray item;
  for (CharToken& token : tokens) item.Append(&token);
  PointList stroke;
  for (const Point& p : {Point{0, 0}, Point{10, 20}, Point{30, 5}}) stroke.Append(p);
  for (int32_t n : {0, 1, 7, 254, 255, 600})
    judgeStroke(stroke, n, item, folders, kSimplifiedDatabases.feedback);
  return 0;
}

}  // namespace morvane::testing
