// Reads lesson files the way the trainer does while watching the reader, to
// tell a lesson author where items begin, why reading stopped, and which of
// the format's traps a file falls into.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lesson/encoding.h"
#include "lesson/item_weights.h"
#include "lesson/weighted_lesson.h"

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

// A lesson (set) as the trainer reads it, and what each of its files showed
// while it was read.
struct InspectedLesson {
  std::unique_ptr<WeightedLesson> lesson;
  std::vector<FileAnalysis> files;  // in the order of the paths
};

// Reads the lesson files (which must open; at least one) as Multi-Open builds
// a lesson set, each with its progress file (path + ".st"), watching each file
// while the lesson reads it: every file is read once.
InspectedLesson inspectLessonFiles(const std::vector<std::wstring>& paths);

// "byte 0x09 (TAB)" and the like.
std::string describeByte(int byte);

}  // namespace morvane
