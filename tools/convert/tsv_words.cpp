// Separated-text word lists with Anki's headers, quoting and HTML.
#include "tsv_words.h"

#include <algorithm>
#include <cstdlib>

#include "html_text.h"
#include "platform/utf8.h"
#include "unicode_text.h"

namespace morvane {

namespace {

std::string lowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// A positive column number, or 0.
int columnNumber(const std::string& text) {
  if (text.empty() || text.size() > 6 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  return std::atoi(text.c_str());
}

}  // namespace

bool parseWordColumns(const std::string& text, WordColumns& columns) {
  size_t first = text.find(',');
  size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  if (second == std::string::npos) return false;
  int h = columnNumber(text.substr(0, first));
  int r = columnNumber(text.substr(first + 1, second - first - 1));
  int m = columnNumber(text.substr(second + 1));
  if (h == 0 || r == 0 || m == 0) return false;
  columns = {h, r, m};
  return true;
}

TsvWordSource::TsvWordSource(std::istream& in, WordColumns columns, InputProblems& problems)
    : in_(in), columns_(columns), problems_(problems) {}

bool TsvWordSource::readLine(std::string& line) {
  if (!std::getline(in_, line)) return false;
  ++lineNumber_;
  if (lineNumber_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void TsvWordSource::readHeader(const std::string& line) {
  size_t colon = line.find(':');
  if (colon == std::string::npos) return;
  std::string key = lowerAscii(line.substr(1, colon - 1));
  std::string value = line.substr(colon + 1);
  if (key == "separator") {
    static const struct {
      const char* name;
      char32_t c;
    } kNames[] = {{"tab", U'\t'},  {"comma", U','}, {"semicolon", U';'},
                  {"space", U' '}, {"pipe", U'|'},  {"colon", U':'}};
    for (const auto& named : kNames) {
      if (lowerAscii(value) == named.name) separator_ = named.c;
    }
    std::u32string literal = codePointsFromUtf8(value);
    if (literal.size() == 1) separator_ = literal[0];
  } else if (key == "html") {
    html_ = lowerAscii(value) != "false";
  } else if (key.size() > 7 && key.compare(key.size() - 7, 7, " column") == 0) {
    if (int column = columnNumber(value)) claimedColumns_.insert(column);
  }
}

std::vector<std::u32string> TsvWordSource::splitRecord(std::string line) {
  std::vector<std::u32string> fields(1);
  std::u32string text = codePointsFromUtf8(line);
  bool quoted = false;
  bool atFieldStart = true;
  size_t i = 0;
  for (;;) {
    if (i == text.size()) {
      if (!quoted || !readLine(line)) break;
      // A quoted field holds the line break and goes on.
      fields.back() += U'\n';
      text = codePointsFromUtf8(line);
      i = 0;
      continue;
    }
    char32_t c = text[i++];
    if (quoted) {
      if (c != U'"') {
        fields.back() += c;
      } else if (i < text.size() && text[i] == U'"') {
        fields.back() += U'"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == separator_) {
      fields.emplace_back();
      atFieldStart = true;
      continue;
    } else if (c == U'"' && atFieldStart) {
      quoted = true;
    } else {
      fields.back() += c;
    }
    atFieldStart = false;
  }
  return fields;
}

void TsvWordSource::chooseColumns() {
  int* targets[] = {&columns_.hanzi, &columns_.reading, &columns_.meaning};
  int column = 1;
  for (int* target : targets) {
    while (claimedColumns_.count(column) != 0) ++column;
    *target = column++;
  }
}

std::u32string TsvWordSource::field(const std::vector<std::u32string>& fields, int column) const {
  const std::u32string& raw = fields[static_cast<size_t>(column - 1)];
  return html_ ? htmlToText(raw) : raw;
}

bool TsvWordSource::next(WordEntry& entry) {
  std::string line;
  while (readLine(line)) {
    if (line.empty()) continue;
    if (line[0] == '#') {
      readHeader(line);
      continue;
    }
    if (columns_.isDefault()) chooseColumns();
    int64_t start = lineNumber_;
    std::vector<std::u32string> fields = splitRecord(line);
    int last = std::max({columns_.hanzi, columns_.reading, columns_.meaning});
    if (static_cast<int>(fields.size()) < last) {
      problems_.skippedLine(start, "fewer than " + std::to_string(last) + " columns");
      continue;
    }
    entry.line = start;
    entry.hanzi = trimmed(field(fields, columns_.hanzi));
    entry.reading = trimmed(field(fields, columns_.reading));
    // Line breaks in a meaning (<br>, the end of a <div>) separate senses.
    entry.meaning = field(fields, columns_.meaning);
    std::replace(entry.meaning.begin(), entry.meaning.end(), U'\n', U'/');
    return true;
  }
  return false;
}

}  // namespace morvane
