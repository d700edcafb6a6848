// Reading and writing the stroke records. Counts are single bytes, so a record
// is at most 255 cells of 2 bytes: each is read whole into a fixed buffer and
// checked before any cell is allocated.
#include "strokes/stroke_records.h"

namespace morvane {

namespace {

constexpr int32_t kMaxCount = 255;

bool readByte(File& file, uint8_t& value) { return file.read(&value, 1) == 1; }

bool fitsForm(const StrokeCell& cell, bool packed) {
  const int32_t limit = packed ? 15 : 255;
  return cell.x >= 0 && cell.x <= limit && cell.y >= 0 && cell.y <= limit;
}

}  // namespace

CellPath::~CellPath() { DeleteCells(); }

void CellPath::AddCell(int32_t x, int32_t y) {
  StrokeCell* cell = new StrokeCell;
  cell->x = x;
  cell->y = y;
  Append(cell);
}

void CellPath::DeleteCells() {
  for (int32_t i = 0; i < count; ++i) delete Cell(i);
  Clear();
}

bool CellPath::Write(File& file, bool packed) const {
  if (count > kMaxCount) return false;
  uint8_t bytes[1 + 2 * kMaxCount];
  size_t n = 0;
  bytes[n++] = static_cast<uint8_t>(count);
  for (int32_t i = 0; i < count; ++i) {
    const StrokeCell& cell = *Cell(i);
    if (!fitsForm(cell, packed)) return false;
    if (packed) {
      bytes[n++] = static_cast<uint8_t>(cell.x << 4 | cell.y);
    } else {
      bytes[n++] = static_cast<uint8_t>(cell.x);
      bytes[n++] = static_cast<uint8_t>(cell.y);
    }
  }
  return file.write(bytes, n);
}

bool CellPath::Read(File& file, bool packed) {
  DeleteCells();
  uint8_t cellCount = 0;
  if (!readByte(file, cellCount)) return false;
  const size_t cellBytes = packed ? 1 : 2;
  uint8_t bytes[2 * kMaxCount];
  const size_t wanted = cellCount * cellBytes;
  if (wanted > 0 && file.read(bytes, wanted) != wanted) return false;
  if (cellCount > capacity) Grow(cellCount - capacity);
  for (size_t i = 0; i < cellCount; ++i) {
    if (packed) {
      AddCell(bytes[i] >> 4, bytes[i] & 15);
    } else {
      AddCell(bytes[2 * i], bytes[2 * i + 1]);
    }
  }
  return true;
}

StrokeList::~StrokeList() { DeleteStrokes(); }

void StrokeList::DeleteStrokes() {
  for (int32_t i = 0; i < count; ++i) delete Stroke(i);
  Clear();
}

bool StrokeList::Write(File& file, bool packed) const {
  if (count > kMaxCount) return false;
  const uint8_t strokeCount = static_cast<uint8_t>(count);
  if (!file.write(&strokeCount, 1)) return false;
  for (int32_t i = 0; i < count; ++i) {
    if (!Stroke(i)->Write(file, packed)) return false;
  }
  return true;
}

bool StrokeList::Read(File& file, bool packed) {
  DeleteStrokes();
  uint8_t strokeCount = 0;
  if (!readByte(file, strokeCount)) return false;
  for (int32_t i = 0; i < strokeCount; ++i) {
    CellPath* path = new CellPath;
    AddStroke(path);
    if (!path->Read(file, packed)) {
      DeleteStrokes();
      return false;
    }
  }
  return true;
}

}  // namespace morvane
