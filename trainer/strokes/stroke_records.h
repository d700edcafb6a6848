// The stroke databases' records: a character's cells in painting order
// (CellPath) and its strokes in writing order (StrokeList). The same classes
// read the databases in the trainer and write them in the stroke-data builder.
#pragma once

#include <cstdint>

#include "platform/file.h"
#include "ui/ptr_array.h"

namespace morvane {

// One cell of a stroke grid: column x, row y, 0 at the top left.
struct StrokeCell {
  int32_t x = 0;
  int32_t y = 0;
  int32_t reserved = 0;  // always 0, never read
};

// A count byte, then one byte per cell (packed: x in the high nibble, y in the
// low one) or two (unpacked: x, then y). Owns its StrokeCell objects.
class CellPath : public PtrArray {
 public:
  explicit CellPath(int32_t initialCapacity = 64) : PtrArray(initialCapacity) {}
  CellPath(const CellPath&) = delete;
  CellPath& operator=(const CellPath&) = delete;

  // The virtual operations keep this order; the destructor comes after them.

  // Writes the record at the file's position. False when the file refuses a
  // byte, or when the path does not fit the form (more than 255 cells, or a
  // cell outside 0..15 packed, 0..255 unpacked): nothing is then truncated
  // silently.
  virtual bool Write(File& file, bool packed) const;
  // Replaces the cells by one record read at the file's position. False when
  // the file ends inside the record; the path is then left empty.
  virtual bool Read(File& file, bool packed);

  virtual ~CellPath();

  // Appends a new cell (x, y).
  void AddCell(int32_t x, int32_t y);
  StrokeCell* Cell(int32_t index) const { return static_cast<StrokeCell*>(At(index)); }
  // Deletes every cell and empties the path.
  void DeleteCells();
};

// A stroke count byte, then each stroke as a CellPath. Owns its paths.
class StrokeList : public PtrArray {
 public:
  explicit StrokeList(int32_t initialCapacity = 64) : PtrArray(initialCapacity) {}
  StrokeList(const StrokeList&) = delete;
  StrokeList& operator=(const StrokeList&) = delete;

  // Same contract as CellPath's, per stroke.
  virtual bool Write(File& file, bool packed) const;
  virtual bool Read(File& file, bool packed);

  virtual ~StrokeList();

  // Takes ownership of path and appends it as the next stroke.
  void AddStroke(CellPath* path) { Append(path); }
  CellPath* Stroke(int32_t index) const { return static_cast<CellPath*>(At(index)); }
  // Deletes every stroke and empties the list.
  void DeleteStrokes();
};

}  // namespace morvane
