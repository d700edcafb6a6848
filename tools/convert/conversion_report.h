// What a conversion did, gathered while it runs and told to the user at the
// end: items written, items left out and why, and each kind of change made.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "word_entry.h"

namespace morvane {

class ConversionReport : public InputProblems {
 public:
  void skippedLine(int64_t line, const std::string& why) override;
  // An entry that was not written; detail (the character at fault, say) is
  // kept for the first entry of each reason, and the first few entries of
  // each reason are listed by line.
  void leftOut(const WordEntry& entry, const std::string& why, const std::string& detail = "");
  // One change of one kind (e.g. "\"é\" replaced by \"e\"") at an input
  // line; detail as for leftOut.
  void changed(int64_t line, const std::string& kind, const std::string& detail = "");
  void written() { ++written_; }

  int64_t writtenCount() const { return written_; }
  int64_t leftOutCount() const { return leftOutCount_; }
  int64_t skippedLineCount() const { return skippedCount_; }
  // Times a change of this kind was made (0 if never).
  int64_t changeCount(const std::string& kind) const;

  // The summary: counts, then one line per reason and per kind of change
  // with its number and first input line.
  void writeSummary(std::ostream& out) const;

 private:
  struct Tally {
    int64_t count = 0;
    int64_t firstLine = 0;
    std::string firstDetail;
    std::vector<std::string> examples;  // "line 3: 們 [men]"
  };
  static void add(std::map<std::string, Tally>& tallies, int64_t line, const std::string& what,
                  const std::string& detail = "");

  int64_t written_ = 0;
  int64_t leftOutCount_ = 0;
  int64_t skippedCount_ = 0;
  std::map<std::string, Tally> leftOutReasons_;
  std::map<std::string, Tally> skippedReasons_;
  std::map<std::string, Tally> changes_;
};

}  // namespace morvane
