// The reference reader: the encodings' byte rules and the item steps, one
// byte at a time.
#include "reference_lesson_reader.h"

#include <algorithm>
#include <cstdio>

#include "lesson/lesson.h"
#include "lesson/lesson_item.h"

namespace morvane::testing {

namespace {

struct Token {
  int size = 0;  // 0: none
  uint8_t a = 0, b = 0;
};

class Reader {
 public:
  Reader(const std::string& bytes, EncodingCode code) : bytes_(bytes), code_(code) {}

  bool doubleByte = false;

  Token next() { return code_ == EncodingCode::Iso2022Jp ? nextJis() : nextSingleState(); }
  void stepBack(int n) { pos_ = pos_ >= static_cast<size_t>(n) ? pos_ - n : 0; }

 private:
  bool read(uint8_t& b) {
    if (pos_ >= bytes_.size()) return false;
    b = static_cast<uint8_t>(bytes_[pos_++]);
    return true;
  }
  Token single(uint8_t b) {
    doubleByte = false;
    return {1, b, 0};
  }
  Token pair(uint8_t x, uint8_t y) {
    doubleByte = true;
    return {2, x, y};
  }
  Token end() {
    ended_ = true;
    return {};
  }

  Token nextSingleState() {
    uint8_t b, t;
    if (ended_ || !read(b)) return end();
    if (b >= 0x0A && b <= 0x7E) return single(b);
    switch (code_) {
      case EncodingCode::Gb:
        if (b < 0xA0) return end();
        if (!read(t)) return end();
        return t >= 0xA0 ? pair(b, t) : single(b);
      case EncodingCode::EucKr:
      case EncodingCode::Big5: {
        if (b < 0xA1 || b > 0xFE) return end();
        if (!read(t)) return end();
        bool trail = (t >= 0xA1 && t <= 0xFE) ||
                     (code_ == EncodingCode::Big5 && t >= 0x40 && t <= 0x7E);
        return trail ? pair(b, t) : single(b);
      }
      default:
        if (b >= 0xA0) {
          if (!read(t)) return end();
          if (t >= 0xA0) return pair(static_cast<uint8_t>(b - 0x80), static_cast<uint8_t>(t - 0x80));
          return single(b);
        }
        if (b == 0x8F) return single(b);
        if (b == 0x8E) {
          if (!read(t) || t >= 0xA0) return end();
          return single(t);
        }
        return end();
    }
  }

  enum class State { Ascii, Kanji, Kana7, Kana8, End };

  void skipLine(uint8_t c) {
    while (c != 0x0A && read(c)) {
    }
  }
  bool readOrEnd(uint8_t& b) {
    if (read(b)) return true;
    state_ = State::End;
    return false;
  }
  void enter(State s, bool dbl) {
    state_ = s;
    doubleByte = dbl;
  }
  // Reads the bytes of an escape sequence; unknown ones drop the line.
  void escape(uint8_t b) {
    if (b != 0x1B) return skipLine(b);
    uint8_t c;
    if (!readOrEnd(c)) return;
    if (c == '$') {
      if (!readOrEnd(c)) return;
      if (c == 'B' || c == '@') return enter(State::Kanji, true);
      if (c != '(') return skipLine(c);
      if (!readOrEnd(c)) return;
      return c == 'D' ? enter(State::Kanji, true) : skipLine(c);
    }
    if (c == '&') {
      const uint8_t rest[] = {'@', 0x1B, '$', 'B'};
      for (uint8_t expected : rest) {
        if (!readOrEnd(c)) return;
        if (c != expected) return skipLine(c);
      }
      return enter(State::Kanji, true);
    }
    if (c == '(') {
      if (!readOrEnd(c)) return;
      if (c == 'B' || c == 'H' || c == 'J') return enter(State::Ascii, false);
      if (c == 'I') return enter(State::Kana7, false);
    }
    skipLine(c);
  }

  Token nextJis() {
    for (;;) {
      uint8_t b, t;
      if (state_ == State::End || !readOrEnd(b)) return {};
      switch (state_) {
        case State::Ascii:
          if (b >= 0x20 && b <= 0x7E) return {1, b, 0};
          if (b == 0x0E) {
            state_ = State::Kana8;
          } else {
            escape(b);
          }
          break;
        case State::Kanji:
          if (b < 0x21 || b > 0x7E) {
            escape(b);
            break;
          }
          if (!readOrEnd(t)) return {};
          if (t >= 0x21 && t <= 0x7E) return {2, b, t};
          skipLine(t);
          break;
        case State::Kana7:
          if (b >= 0x21 && b <= 0x5F) return {1, b, 0};
          escape(b);
          break;
        default:  // Kana8
          if (b >= 0xA1 && b <= 0xDF) return {1, b, 0};
          if (b == 0x0F) {
            enter(State::Ascii, false);
          } else {
            skipLine(b);
          }
          break;
      }
    }
  }

  const std::string& bytes_;
  EncodingCode code_;
  size_t pos_ = 0;
  bool ended_ = false;
  State state_ = State::Ascii;
};

void add(std::vector<uint16_t>& cells, uint8_t a, uint8_t b) {
  if (cells.size() < static_cast<size_t>(kMaxItemCells)) cells.push_back(static_cast<uint16_t>(a << 8 | b));
}

void addToken(std::vector<uint16_t>& cells, const Token& t) {
  if (t.size == 2) {
    add(cells, t.a, t.b);
  } else {
    add(cells, 0, t.a);
  }
}

bool readHanzi(Reader& r, ReferenceItem& item) {
  while (!r.doubleByte) {
    if (r.next().size == 0) return false;
    if (r.doubleByte) r.stepBack(2);
  }
  Token t = r.next();
  while (t.size && r.doubleByte) {
    addToken(item.hanzi, t);
    t = r.next();
  }
  return !item.hanzi.empty();
}

bool readReading(Reader& r, ReferenceItem& item) {
  Token t = r.next();
  if (!t.size) return false;
  while (!r.doubleByte && t.a != '[') {
    t = r.next();
    if (!t.size) return false;
  }
  if (t.a == '[') {
    t = r.next();
    if (!t.size) return false;
  }
  while (t.size && t.a != ']') {
    if (t.size == 1 && t.a == '/') {
      add(item.reading, 0, ';');
    } else {
      addToken(item.reading, t);
    }
    t = r.next();
  }
  if (t.size && item.reading.empty()) add(item.reading, 0, ' ');
  return !item.reading.empty();
}

bool readMeaning(Reader& r, ReferenceItem& item) {
  if (!r.doubleByte) {
    r.next();
    if (!r.doubleByte) r.next();
  }
  bool slashPending = false;
  Token t;
  if (!r.doubleByte) {
    t = r.next();
    while (t.size && !r.doubleByte) {
      if (t.a != 0x0D && t.a != 0x0A && item.meaning.size() < kMaxMeaningBytes) {
        if (slashPending) {
          item.meaning += "; ";
          slashPending = false;
        }
        if (t.a == '/') {
          slashPending = true;
        } else {
          item.meaning += static_cast<char>(t.a);
        }
      }
      t = r.next();
    }
  }
  if (r.doubleByte && t.size) r.stepBack(2);
  // The meaning ends at its first zero byte, as a C string does.
  item.meaning = item.meaning.c_str();
  return !item.meaning.empty() || slashPending;
}

std::string hexCells(const std::vector<uint16_t>& codes) {
  std::string out;
  for (uint16_t code : codes) out += hexKey(code) + " ";
  return out;
}

}  // namespace

std::string describeItem(const ReferenceItem& item) {
  return "hanzi " + hexCells(item.hanzi) + "| reading " + hexCells(item.reading) + "| meaning \"" +
         item.meaning + "\"";
}

std::string describeItem(const LessonItem& item) {
  ReferenceItem same;
  for (const CharToken& cell : item.hanzi()) same.hanzi.push_back(cell.code());
  for (const CharToken& cell : item.reading()) same.reading.push_back(cell.code());
  same.meaning = item.meaningBytes();
  std::string text = describeItem(same);
  const auto hanziMarks = item.hanziMarks();
  const auto readingMarks = item.readingMarks();
  auto all = [](auto marks, uint8_t value) {
    return std::all_of(marks.begin(), marks.end(), [&](uint8_t m) { return m == value; });
  };
  if (!all(hanziMarks, 0)) text += " (hanzi marks)";
  if (!all(readingMarks, 3)) text += " (reading marks)";
  if (!item.valid) text += " (not valid)";
  return text;
}

std::vector<ReferenceItem> referenceItems(const std::string& bytes, EncodingCode code) {
  std::vector<ReferenceItem> items;
  if (code == EncodingCode::Unicode) return items;
  Reader reader(bytes, code);
  while (items.size() < static_cast<size_t>(kMaxLessonItems)) {
    ReferenceItem item;
    bool hanzi = readHanzi(reader, item);
    bool reading = readReading(reader, item);
    bool meaning = readMeaning(reader, item);
    if (!(hanzi && reading && meaning)) break;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace morvane::testing
