// Index search and record lookup over the stroke and feedback databases.
#include "strokes/stroke_database.h"

#include <cstdio>

namespace morvane {

const StrokeDatabases kSimplifiedDatabases = {L"strokeschs", L"lgstrokeschs", L"feedbkchs"};
const StrokeDatabases kTraditionalDatabases = {L"strokescht", L"lgstrokescht", L"feedbkcht"};

namespace {

constexpr uint64_t kEntryBytes = 12;

uint32_t littleEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct IndexEntry {
  uint32_t code = 0;
  uint32_t offset = 0;
};

// The entry at position index, or none when the file cannot give all 12 bytes.
std::optional<IndexEntry> readEntry(File& index, uint64_t position) {
  uint8_t bytes[kEntryBytes];
  if (!index.seekTo(position * kEntryBytes)) return std::nullopt;
  if (index.read(bytes, kEntryBytes) != kEntryBytes) return std::nullopt;
  return IndexEntry{littleEndian32(bytes), littleEndian32(bytes + 4)};
}

// The binary search of an index of count entries, each given by entryAt
// (none when it cannot be read: nothing is found then).
template <typename EntryAt>
bool searchEntries(uint64_t count, EntryAt entryAt, uint32_t code, uint32_t& offset) {
  uint64_t lo = 0;
  uint64_t hi = count;
  while (lo != hi) {
    const uint64_t mid = lo + (hi - lo) / 2;
    std::optional<IndexEntry> entry = entryAt(mid);
    if (!entry) return false;
    if (code < entry->code) {
      hi = mid;
    } else if (code > entry->code) {
      lo = mid + 1;
    } else {
      lo = hi = mid;
    }
  }
  if (lo >= count) return false;
  std::optional<IndexEntry> entry = entryAt(lo);
  if (!entry || entry->code != code) return false;
  offset = entry->offset;
  return true;
}

}  // namespace

std::wstring joinFolder(const std::wstring& folder, const std::wstring& name) {
#ifdef _WIN32
  return folder + L"\\" + name;
#else
  return folder + L"/" + name;
#endif
}

std::unique_ptr<File> openInFolders(const FolderList& folders, const std::wstring& name) {
  for (const std::wstring& folder : folders) {
    if (auto file = openFileForRead(joinFolder(folder, name))) return file;
  }
  return nullptr;
}

bool findEntry(const FolderList& folders, const std::wstring& indexName, uint32_t code,
               uint32_t& offset) {
  std::unique_ptr<File> index = openInFolders(folders, indexName);
  if (!index) return false;
  const int64_t size = index->size();
  if (size < 0) return false;
  const uint64_t count = static_cast<uint64_t>(size) / kEntryBytes;
  return searchEntries(
      count, [&index](uint64_t position) { return readEntry(*index, position); }, code, offset);
}

IndexSnapshot::IndexSnapshot(const FolderList& folders, const std::wstring& indexName)
    : folders_(folders), indexName_(indexName) {
  std::unique_ptr<File> index = openInFolders(folders, indexName);
  if (!index) return;
  found_ = true;
  const int64_t size = index->size();
  if (size < 0 || !index->seekTo(0)) return;
  bytes_.resize(static_cast<size_t>(size));
  inMemory_ = index->read(bytes_.data(), bytes_.size()) == bytes_.size();
  if (!inMemory_) bytes_.clear();
}

bool IndexSnapshot::find(uint32_t code, uint32_t& offset) const {
  if (!found_) return false;
  if (!inMemory_) return findEntry(folders_, indexName_, code, offset);
  const uint8_t* bytes = bytes_.data();
  return searchEntries(
      bytes_.size() / kEntryBytes,
      [bytes](uint64_t position) {
        const uint8_t* entry = bytes + position * kEntryBytes;
        return std::optional<IndexEntry>(
            IndexEntry{littleEndian32(entry), littleEndian32(entry + 4)});
      },
      code, offset);
}

bool findEntry(const FolderList& folders, const std::wstring& indexName, const std::string& key,
               uint32_t& offset) {
  unsigned int code = 0;
  if (std::sscanf(key.c_str(), "%x", &code) != 1) return false;
  return findEntry(folders, indexName, static_cast<uint32_t>(code), offset);
}

std::unique_ptr<CellPath> readCellPath(File& data, uint32_t offset) {
  auto path = std::make_unique<CellPath>();
  if (!data.seekTo(offset) || !path->Read(data, true)) return nullptr;
  return path;
}

std::unique_ptr<StrokeList> readStrokeList(File& data, uint32_t offset) {
  auto list = std::make_unique<StrokeList>();
  if (!data.seekTo(offset) || !list->Read(data, false)) return nullptr;
  return list;
}

std::optional<RecordLocation> locateRecord(const FolderList& folders, const std::wstring& base,
                                           uint16_t code) {
  RecordLocation location;
  if (!findEntry(folders, base + L".ind", code, location.offset)) {
    return std::nullopt;
  }
  location.data = openInFolders(folders, base + L".dat");
  if (!location.data) return std::nullopt;
  return location;
}

std::unique_ptr<CellPath> loadCellPath(const FolderList& folders, const std::wstring& base,
                                       uint16_t code) {
  std::optional<RecordLocation> location = locateRecord(folders, base, code);
  if (!location) return nullptr;
  return readCellPath(*location->data, location->offset);
}

std::unique_ptr<StrokeList> loadStrokeList(const FolderList& folders, const std::wstring& base,
                                           uint16_t code) {
  std::optional<RecordLocation> location = locateRecord(folders, base, code);
  if (!location) return nullptr;
  return readStrokeList(*location->data, location->offset);
}

}  // namespace morvane
