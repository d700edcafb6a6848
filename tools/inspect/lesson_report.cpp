// Readable and JSON reports of a lesson.
#include "lesson_report.h"

#include <cstdio>
#include <string>

#include "json_items.h"
#include "json_text.h"
#include "lesson/encoding.h"
#include "platform/utf8.h"

namespace morvane {

namespace {

const char* progressWord(ProgressStatus status) {
  switch (status) {
    case ProgressStatus::Loaded:
      return "loaded";
    case ProgressStatus::Stale:
      return "stale";
    case ProgressStatus::Damaged:
      return "damaged";
    default:
      return "missing";
  }
}

std::string progressSentence(const FileAnalysis& file) {
  std::string name = "\"" + toUtf8(file.progressPath) + "\"";
  switch (file.progress) {
    case ProgressStatus::Loaded:
      return name + ": weights loaded";
    case ProgressStatus::Stale:
      return name + " holds a different number of weights than the file has items; every "
                    "item starts at 6.0 and the next save rewrites it";
    case ProgressStatus::Damaged:
      return name + " is damaged (shorter than it announces, its minimum is not a "
                    "number, or its weights are too large to add up); every item starts "
                    "at 6.0 and the next save rewrites it";
    default:
      return name + " not found; every item starts at 6.0";
  }
}

std::string hanziText(CellList cells) {
  std::string out;
  for (int32_t i = 0; i < cells.Count(); ++i) {
    if (i > 0) out += ' ';
    out += hexKey(cells[i].code());
  }
  return out;
}

// Single-byte cells as text, double-byte ones as <hex key>.
std::string readingText(CellList cells) {
  std::string out;
  for (const CharToken& cell : cells) {
    if (cell.first == 0 && cell.second >= 0x20 && cell.second < 0x7F) {
      out += static_cast<char>(cell.second);
    } else {
      out += "<" + hexKey(cell.code()) + ">";
    }
  }
  return out;
}

std::string meaningUtf8(const LessonItem& item) {
  return toUtf8(item.meaning());
}

// Printable text for the readable report: control characters as \xNN.
std::string printable(const std::string& utf8) {
  std::string out;
  for (char c : utf8) {
    uint8_t b = static_cast<uint8_t>(c);
    if (b < 0x20 || b == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", b);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void writeLessonText(WeightedLesson& lesson, const std::vector<FileAnalysis>& files,
                     std::ostream& out) {
  if (files.size() > 1) {
    out << "Lesson set of " << files.size() << " files, " << lesson.itemCount() << " items\n";
  }
  const std::vector<LessonFileRecord>& records = lesson.fileRecords();
  int32_t first = 0;
  for (size_t f = 0; f < files.size(); ++f) {
    const FileAnalysis& file = files[f];
    int32_t count = f < records.size() ? records[f].itemCount : 0;
    out << "Lesson file \"" << toUtf8(file.path) << "\"\n";
    out << "  encoding " << static_cast<int>(file.code) << " (" << encodingName(file.code)
        << (file.code == EncodingCode::Unicode ? ", not read" : "") << ")\n";
    out << "  progress " << progressSentence(file) << "\n";
    out << "  " << count << (count == 1 ? " item" : " items") << "\n";
    for (int32_t i = 0; i < count; ++i) {
      const LessonItem* item = lesson.itemAt(first + i);
      out << "  " << (first + i + 1) << ".";
      if (static_cast<size_t>(i) < file.itemLines.size()) out << " line " << file.itemLines[i];
      out << "  hanzi " << hanziText(item->hanzi()) << " | reading \""
          << printable(readingText(item->reading())) << "\" | meaning \""
          << printable(meaningUtf8(*item)) << "\" | weight "
          << weightText(lesson.weights().weightAt(first + i)) << "\n";
    }
    out << "  ";
    if (file.stopLine > 0) out << "line " << file.stopLine << ": ";
    out << file.stop << "\n";
    if (file.warnings.empty()) {
      out << "  no warnings\n";
    } else {
      out << "  warnings:\n";
      for (const LessonNote& note : file.warnings) {
        out << "    line " << note.line << ": " << note.text << "\n";
      }
      if (file.unlistedWarnings > 0) {
        out << "    ... and " << file.unlistedWarnings << " more\n";
      }
    }
    first += count;
  }
}

void writeLessonJson(WeightedLesson& lesson, const std::vector<FileAnalysis>& files,
                     std::ostream& out) {
  int firstCode = files.empty() ? 0 : static_cast<int>(files[0].code);
  out << "{\"encoding\": " << firstCode << ", \"items\": [";
  writeJsonItems(lesson, out);
  out << "],\n \"files\": [";
  const std::vector<LessonFileRecord>& records = lesson.fileRecords();
  for (size_t f = 0; f < files.size(); ++f) {
    const FileAnalysis& file = files[f];
    out << (f > 0 ? ", " : "") << "{\"path\": " << jsonString(toUtf8(file.path))
        << ", \"encoding\": " << static_cast<int>(file.code)
        << ", \"items\": " << (f < records.size() ? records[f].itemCount : 0)
        << ", \"progress\": \"" << progressWord(file.progress) << "\""
        << ", \"stopped\": " << jsonString(file.stop) << ", \"stopLine\": " << file.stopLine
        << ", \"unlistedWarnings\": " << file.unlistedWarnings << "}";
  }
  out << "],\n \"warnings\": [";
  bool any = false;
  for (const FileAnalysis& file : files) {
    for (const LessonNote& note : file.warnings) {
      out << (any ? ",\n  " : "\n  ") << "{\"file\": " << jsonString(toUtf8(file.path))
          << ", \"line\": " << note.line << ", \"message\": " << jsonString(note.text) << "}";
      any = true;
    }
  }
  out << "]}\n";
}

}  // namespace morvane
