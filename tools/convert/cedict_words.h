// CC-CEDICT dictionary lines: TRADITIONAL SIMPLIFIED [pin1 yin1] /sense/sense/
#pragma once

#include <istream>
#include <string>

#include "word_entry.h"

namespace morvane {

enum class CedictForm { Simplified, Traditional };

// True if line (UTF-8) has the shape of a CC-CEDICT entry.
bool looksLikeCedictLine(const std::string& line);

class CedictWordSource : public WordSource {
 public:
  // Lines starting with "#" are comments; other lines that are not entries
  // are reported and skipped.
  CedictWordSource(std::istream& in, CedictForm form, InputProblems& problems);
  bool next(WordEntry& entry) override;

 private:
  std::istream& in_;
  CedictForm form_;
  InputProblems& problems_;
  int64_t lineNumber_ = 0;
};

// An entry from one line; false if the line is not an entry.
bool parseCedictLine(const std::string& line, CedictForm form, WordEntry& entry);

}  // namespace morvane
