// Lessons made up for the benchmarks: dictionary-sized, in any encoding, the
// same on every run (fixed seed), never committed.
#pragma once

#include <cstdint>
#include <string>

#include "lesson/encoding.h"

namespace morvane::bench {

// `items` item lines as the editor writes them: two to four Hanzi, a pinyin
// reading of as many syllables, a meaning of two senses; about 54 bytes each.
std::string generatedLesson(EncodingCode code, int items);

// A fresh folder for the benchmark's files, removed at exit.
std::string scratchFolder();

// Writes bytes to path (UTF-8), replacing it.
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace morvane::bench
