// The to-tsv conversion: lesson items decoded to Unicode, with weights.
#include "to_tsv.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "lesson/item_weights.h"
#include "lesson/weighted_lesson.h"
#include "lesson_charset.h"
#include "platform/file.h"
#include "platform/utf8.h"

namespace morvane {

namespace {

// The text of Hanzi or reading cells: ASCII as itself, double-byte cells
// decoded; anything else becomes U+FFFD and is counted.
std::u32string cellText(CellList cells, LessonCharset& charset, int64_t& undecodable) {
  std::u32string text;
  for (const CharToken& cell : cells) {
    char32_t c = cell.first == 0 ? (cell.second < 0x80 ? cell.second : 0) : charset.charFor(cell);
    if (c == 0) {
      ++undecodable;
      c = U'\uFFFD';
    }
    text += c;
  }
  return text;
}

const char* progressName(ProgressStatus status) {
  switch (status) {
    case ProgressStatus::Loaded:
      return "weights from its progress file";
    case ProgressStatus::Missing:
      return "no progress file, weights 6";
    case ProgressStatus::Stale:
      return "progress file does not match, weights 6";
    case ProgressStatus::Damaged:
      return "progress file damaged, weights 6";
  }
  return "";
}

}  // namespace

std::string weightTag(float weight) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", std::isfinite(weight) ? weight : 0.0f);
  std::string value = text;
  while (value.back() == '0') value.pop_back();
  if (value.back() == '.') value.pop_back();
  return "weight:" + value;
}

std::string tsvField(const std::string& text) {
  if (text.find_first_of("\t\r\n\"") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

int convertToTsv(const std::vector<std::wstring>& lessons, const std::wstring& outPath,
                 std::ostream& err) {
  for (const std::wstring& path : lessons) {
    if (!openFileForRead(path)) {
      err << "morvane-convert: cannot open lesson file \"" << toUtf8(path) << "\"\n";
      return 1;
    }
  }
  auto lesson = std::make_unique<WeightedLesson>(lessons[0], lessons[0] + L".st", 0);
  for (size_t i = 1; i < lessons.size(); ++i) lesson->addFile(lessons[i], lessons[i] + L".st");

  std::string out = "#separator:tab\n#html:false\n#tags column:4\n";
  int64_t undecodable = 0;
  int32_t index = 0;
  const std::vector<LessonFileRecord>& records = lesson->fileRecords();
  for (size_t f = 0; f < records.size(); ++f) {
    LessonCharset charset(encodingForPath(lessons[f]));
    for (int32_t k = 0; k < records[f].itemCount; ++k, ++index) {
      const LessonItem& item = *lesson->itemAt(index);
      out += tsvField(utf8FromCodePoints(cellText(item.hanzi(), charset, undecodable))) + "\t";
      out += tsvField(utf8FromCodePoints(cellText(item.reading(), charset, undecodable))) + "\t";
      out += tsvField(toUtf8(item.meaning())) + "\t";
      out += weightTag(lesson->weights().weightAt(index)) + "\n";
    }
    ItemWeights scratch;
    err << toUtf8(lessons[f]) << ": " << records[f].itemCount
        << (records[f].itemCount == 1 ? " item, " : " items, ")
        << progressName(loadProgress(records[f].progressPath, records[f].itemCount, scratch))
        << "\n";
  }
  if (undecodable > 0) {
    err << undecodable << " characters the encoding has no Unicode for written as U+FFFD\n";
  }
  if (!replaceFileContents(outPath, out.data(), out.size(), false)) {
    err << "morvane-convert: cannot write \"" << toUtf8(outPath) << "\"\n";
    return 1;
  }
  err << index << " items written to " << toUtf8(outPath) << "\n";
  return 0;
}

}  // namespace morvane
