// Word lists as separated text: Anki's "Notes in Plain Text" export and any
// UTF-8 TSV. Read one record at a time, so big lists stream.
#pragma once

#include <istream>
#include <set>
#include <string>
#include <vector>

#include "word_entry.h"

namespace morvane {

// 1-based columns of the Hanzi, the reading and the meaning; 0 means "the
// default": the first three columns that Anki's headers do not claim for
// its own data (guid, notetype, deck, tags).
struct WordColumns {
  int hanzi = 0;
  int reading = 0;
  int meaning = 0;
  bool isDefault() const { return hanzi == 0; }
};

// Parses "H,R,M" (three 1-based column numbers); false if malformed.
bool parseWordColumns(const std::string& text, WordColumns& columns);

class TsvWordSource : public WordSource {
 public:
  // Lines starting with "#" are headers: "#separator:" (tab, comma,
  // semicolon, space, pipe, colon or one character), "#html:true|false"
  // (HTML is reduced to text unless false) and "#... column:N".
  TsvWordSource(std::istream& in, WordColumns columns, InputProblems& problems);
  bool next(WordEntry& entry) override;

 private:
  void readHeader(const std::string& line);
  // The fields of the record starting with line; quoted fields may go on
  // over the following lines.
  std::vector<std::u32string> splitRecord(std::string line);
  bool readLine(std::string& line);
  void chooseColumns();
  std::u32string field(const std::vector<std::u32string>& fields, int column) const;

  std::istream& in_;
  WordColumns columns_;
  InputProblems& problems_;
  char32_t separator_ = U'\t';
  bool html_ = true;
  std::set<int> claimedColumns_;
  int64_t lineNumber_ = 0;
};

}  // namespace morvane
