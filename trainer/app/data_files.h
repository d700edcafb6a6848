// Where the trainer looks for its fonts and data files, and which fonts an
// encoding uses. Platform-neutral.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/encoding.h"
#include "strokes/stroke_database.h"

namespace morvane {

// Bits of a Hanzi character's mark: its stroke data and its feedback data
// were found.
constexpr uint8_t kHasStrokeData = 1;
constexpr uint8_t kHasFeedbackData = 2;

// At most this many storage cards are searched.
constexpr size_t kMaxStorageCards = 10;

// The search folders in order: "\Windows", "\Program Files\Kelvaro",
// "\Kelvaro", then for each card (the first ten) "\card", "\card\Kelvaro",
// "\card\Program Files\Kelvaro".
std::vector<std::wstring> searchFolderList(const std::vector<std::wstring>& cardNames);

struct FontFiles {
  const wchar_t* large;
  const wchar_t* small;
};

// The large and small font files of an encoding.
FontFiles fontFilesFor(EncodingCode code);

// The stroke and feedback databases a lesson's codes key: the simplified
// ones for codes that can be GB codes, the traditional ones for Big5; none
// for other encodings (their codes would find other characters' strokes).
const StrokeDatabases* strokeDatabasesFor(EncodingCode code);

// A lesson's display name: the last non-empty "\"-separated piece of the
// path, then its first non-empty "."-separated piece.
std::wstring lessonDisplayName(const std::wstring& path);

}  // namespace morvane
