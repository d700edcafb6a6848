// Lookups in the stroke and feedback databases: a headerless, sorted index of
// 12-byte entries (code, offset, reserved) searched on disk, and a data file
// of records at those offsets. Files are opened for each lookup and closed
// again; a missing, short or lying file means "not found", never a crash.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file.h"
#include "strokes/stroke_records.h"

namespace morvane {

// The folders searched for data files, in order (the trainer's searchFolders).
using FolderList = std::vector<std::wstring>;

// Base names of one character set's three databases; ".ind" and ".dat" are
// appended.
struct StrokeDatabases {
  const wchar_t* small;     // "strokeschs"
  const wchar_t* large;     // "lgstrokeschs"
  const wchar_t* feedback;  // "feedbkchs"
};

// Simplified characters keyed by GB 2312 code ("...chs"), traditional ones
// by Big5 code ("...cht").
extern const StrokeDatabases kSimplifiedDatabases;
extern const StrokeDatabases kTraditionalDatabases;

// folder and name joined by the platform's separator ("\" on Windows).
std::wstring joinFolder(const std::wstring& folder, const std::wstring& name);

// The file name in the first folder that opens it for reading, or none.
std::unique_ptr<File> openInFolders(const FolderList& folders, const std::wstring& name);

// Binary search of the index file `indexName` for code. On success stores the
// record's offset and returns true.
bool findEntry(const FolderList& folders, const std::wstring& indexName, uint32_t code,
               uint32_t& offset);
// The same with the code as text (hexKey, parsed back as "%x"); text that is
// not a hexadecimal number finds nothing.
bool findEntry(const FolderList& folders, const std::wstring& indexName, const std::string& key,
               uint32_t& offset);

// An index file read once for many lookups (a lesson's every character):
// find answers exactly as findEntry would for the same file, unsorted,
// short or missing files included. A file that cannot be read whole is
// searched on disk for each lookup instead.
class IndexSnapshot {
 public:
  IndexSnapshot(const FolderList& folders, const std::wstring& indexName);
  bool find(uint32_t code, uint32_t& offset) const;

 private:
  FolderList folders_;
  std::wstring indexName_;
  bool found_ = false;     // a folder holds the file
  bool inMemory_ = false;  // and bytes_ is the whole of it
  std::vector<uint8_t> bytes_;
};

// One record at offset of an open data file, or none when the seek fails or
// the file ends inside the record. The caller owns the result.
std::unique_ptr<CellPath> readCellPath(File& data, uint32_t offset);      // packed
std::unique_ptr<StrokeList> readStrokeList(File& data, uint32_t offset);  // unpacked

// A character's record found: its data file, left open, and the offset.
struct RecordLocation {
  std::unique_ptr<File> data;
  uint32_t offset = 0;
};

// findEntry in base + ".ind", then base + ".dat" opened; none if either fails.
std::optional<RecordLocation> locateRecord(const FolderList& folders, const std::wstring& base,
                                           uint16_t code);

// The whole lookup: the record of code in database base, or none.
std::unique_ptr<CellPath> loadCellPath(const FolderList& folders, const std::wstring& base,
                                       uint16_t code);
std::unique_ptr<StrokeList> loadStrokeList(const FolderList& folders, const std::wstring& base,
                                           uint16_t code);

}  // namespace morvane
