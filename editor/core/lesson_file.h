// The line form of lesson files as the editor writes and reads it:
//   Hanzi " [" reading "] /" meaning "/" CR LF
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/editor_item.h"
#include "core/text_codec.h"

namespace quillmark {

// Lines beyond this many bytes are cut: no field of an item can use more.
constexpr size_t kMaxLineBytes = 64 * 1024;
// Loading stops after this many items, so a hostile file cannot exhaust
// memory; far more than the largest dictionaries (about 120,000 entries).
constexpr size_t kMaxItems = 1 << 20;

// Reads the item of one line (without its LF). False for a line that lacks a
// space, a "[" followed by text, a "]" after it, or a meaning of at least one
// character between the first "/" after "]" and the last "/". Fields longer
// than an item holds are cut and *cut is set.
bool parseLessonLine(const std::wstring& line, EditorItem& item, bool* cut = nullptr);

struct WrittenLesson {
  std::string bytes;
  // 1-based numbers of the items with characters the file could not carry.
  std::vector<size_t> itemsWithLostCharacters;
};

// Every item with a Hanzi, one line each; items with an empty Hanzi are left out.
WrittenLesson writeLessonFile(const std::vector<EditorItem>& items, const TextCodec& codec);

struct LoadedLesson {
  // Never empty: a file without items gives one empty item.
  std::vector<EditorItem> items;
  // 1-based numbers of the lines whose item could not be kept whole.
  std::vector<size_t> shortenedLines;
  bool tooManyItems = false;
};

// Reads every line of source, up to maxItems items; lines that do not parse
// are skipped.
LoadedLesson loadLessonFile(ByteSource& source, const TextCodec& codec,
                            size_t maxItems = kMaxItems);

}  // namespace quillmark
