// Reads one lesson file the way the trainer does while watching the reader,
// to tell a lesson author where items begin, why reading stopped, and which
// of the format's traps the file falls into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/encoding.h"
#include "lesson/item_weights.h"

namespace morvane {

// Something worth an author's attention, at a line of the file.
struct LessonNote {
  int64_t offset = 0;
  int64_t line = 0;
  std::string text;
};

struct FileAnalysis {
  std::wstring path;
  std::wstring progressPath;
  EncodingCode code = EncodingCode::EucJp;
  int32_t itemCount = 0;
  std::vector<int64_t> itemLines;  // line of each item's first Hanzi
  std::string stop;                // why reading ended, one sentence
  int64_t stopLine = 0;            // 0: at the end of the file
  std::vector<LessonNote> warnings;
  int64_t unlistedWarnings = 0;    // beyond the listed ones
  ProgressStatus progress = ProgressStatus::Missing;
};

// Analyses the lesson file at path (which must open) with its progress file.
FileAnalysis analyseLessonFile(const std::wstring& path, const std::wstring& progressPath);

// "byte 0x09 (TAB)" and the like.
std::string describeByte(int byte);

}  // namespace morvane
