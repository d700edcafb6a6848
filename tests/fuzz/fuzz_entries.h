// Fuzz entry points of the readers that take untrusted bytes. Each never
// fails on its own: a crash, a sanitizer report or a broken promise (which
// aborts) is the finding. The libFuzzer targets and the replay of the kept
// inputs in the ordinary tests call the same functions.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane::testing {

// The input holds two lesson files of a lesson set and their progress files
// (see lesson_fuzz_entry.cpp for the layout). Reads the set as the trainer
// does (the items must be the reference reader's), answers a pass with Right
// and Wrong, and saves the progress files.
int fuzzLessonSet(const uint8_t* data, size_t size);

// Loads the input as Quillmark loads a lesson file, writes what it loaded and
// loads that again: the items must come back unchanged.
int fuzzEditorLessonFile(const uint8_t* data, size_t size);

// Parses the input as an HBF description and reads glyphs of every range.
int fuzzHbfDescription(const uint8_t* data, size_t size);

// The first two bytes (little-endian) give an index file's length, the index
// follows, the rest is the data file. Every code the index names, and a few
// more, is looked up in all three stroke databases and judged.
int fuzzStrokeDatabases(const uint8_t* data, size_t size);

}  // namespace morvane::testing
