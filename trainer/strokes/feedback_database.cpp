// Reading the feedback database and judging a drawn stroke against it.
#include "strokes/feedback_database.h"

namespace morvane {

namespace {

constexpr size_t kRecordBytes = 4;

FeedbackRecord recordFrom(const uint8_t* bytes) {
  FeedbackRecord record;
  record.firstHalf = bytes[0];
  record.secondHalf = bytes[1];
  record.chord = bytes[2];
  record.reserved = bytes[3];
  return record;
}

// Records 0 .. last of the character whose count byte was just read; none
// when the file ends before record last is complete.
std::optional<std::vector<FeedbackRecord>> readRecordsUpTo(File& data, int32_t last) {
  uint8_t bytes[255 * kRecordBytes];
  const size_t wanted = static_cast<size_t>(last + 1) * kRecordBytes;
  if (data.read(bytes, wanted) != wanted) return std::nullopt;
  std::vector<FeedbackRecord> records;
  for (int32_t i = 0; i <= last; ++i) records.push_back(recordFrom(bytes + i * kRecordBytes));
  return records;
}

}  // namespace

std::optional<uint8_t> readFeedbackCount(File& data, uint32_t offset) {
  uint8_t count = 0;
  if (!data.seekTo(offset) || data.read(&count, 1) != 1) return std::nullopt;
  return count;
}

std::optional<std::vector<FeedbackRecord>> readFeedbackRecords(File& data, uint32_t offset) {
  std::optional<uint8_t> count = readFeedbackCount(data, offset);
  if (!count) return std::nullopt;
  if (*count == 0) return std::vector<FeedbackRecord>();
  return readRecordsUpTo(data, *count - 1);
}

bool writeFeedbackRecords(File& data, const std::vector<FeedbackRecord>& records) {
  if (records.size() > 255) return false;
  std::vector<uint8_t> bytes;
  bytes.push_back(static_cast<uint8_t>(records.size()));
  for (const FeedbackRecord& r : records) {
    bytes.insert(bytes.end(), {r.firstHalf, r.secondHalf, r.chord, r.reserved});
  }
  return data.write(bytes.data(), bytes.size());
}

int judgeStroke(const PointList& stroke, int32_t n, const PtrArray& characters,
                const FolderList& folders, const wchar_t* feedbackBase) {
  if (n < 0) return 0;
  for (int32_t i = 0; i < characters.Count(); ++i) {
    const uint16_t code = static_cast<const CharToken*>(characters.At(i))->code();
    std::optional<RecordLocation> location = locateRecord(folders, feedbackBase, code);
    if (!location) return 0;
    std::optional<uint8_t> strokes = readFeedbackCount(*location->data, location->offset);
    if (!strokes) return 0;
    if (n < *strokes) {
      std::optional<std::vector<FeedbackRecord>> records = readRecordsUpTo(*location->data, n);
      if (!records) return 0;
      return scoreStroke(stroke, records->back());
    }
    n -= *strokes;
  }
  return 2;
}

}  // namespace morvane
