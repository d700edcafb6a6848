// morvane-convert to-tsv: a lesson or lesson set, with its weights, as UTF-8
// TSV that Anki imports.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morvane {

// Reads the lessons as the trainer does (the first makes the lesson, each
// further one is added; each with its progress file, path + ".st") and writes
// outPath: Anki's headers, then one line per item: Hanzi, reading, meaning and
// the weight as the tag "weight:N". Returns 0, or 1 (with a message on err)
// when a lesson cannot be opened or outPath cannot be written.
int convertToTsv(const std::vector<std::wstring>& lessons, const std::wstring& outPath,
                 std::ostream& err);

// The weight as Anki's tag: "weight:" and the value with at most two
// decimals, trailing zeros dropped ("weight:6", "weight:12.5").
std::string weightTag(float weight);

// A field as Anki reads it: quoted, with quotes doubled, when it holds a
// TAB, a line break or a quote.
std::string tsvField(const std::string& text);

}  // namespace morvane
