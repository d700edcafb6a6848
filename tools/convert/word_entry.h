// One word of a UTF-8 word list as it came from the input, and the sources
// that deliver them one at a time.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

struct WordEntry {
  std::u32string hanzi;
  std::u32string reading;
  std::u32string meaning;  // "/" separates senses
  int64_t line = 0;        // input line where the entry starts
};

// Input lines that could not become an entry are reported here.
class InputProblems {
 public:
  virtual ~InputProblems() = default;
  virtual void skippedLine(int64_t line, const std::string& why) = 0;
};

class WordSource {
 public:
  virtual ~WordSource() = default;
  // The next entry; false at the end of the input.
  virtual bool next(WordEntry& entry) = 0;
};

}  // namespace morvane
