// The JSON items, written through a plain pointer into a block made large
// enough for each item beforehand.
#include "json_items.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "json_text.h"

namespace morvane {

namespace {

// Output gathered in a block and written when the next item would not fit.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out), block_(1 << 20) {}
  ~BlockWriter() { flush(); }

  // Room for n bytes at the end of the block; commit what was written.
  char* room(size_t n) {
    if (used_ + n > block_.size()) {
      flush();
      if (n > block_.size()) block_.resize(n);
    }
    return block_.data() + used_;
  }
  void commit(const char* end) { used_ = static_cast<size_t>(end - block_.data()); }

 private:
  void flush() {
    out_.write(block_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

  std::ostream& out_;
  std::vector<char> block_;
  size_t used_ = 0;
};

char* put(char* at, const char* text) {
  const size_t n = std::strlen(text);
  std::memcpy(at, text, n);
  return at + n;
}

// ["b0a8", "b9dc"]: eight bytes a cell at most, and the brackets.
char* putKeys(char* at, CellList cells) {
  *at++ = '[';
  for (int32_t i = 0; i < cells.Count(); ++i) {
    if (i > 0) {
      *at++ = ',';
      *at++ = ' ';
    }
    const uint16_t code = cells[i].code();
    at[0] = '"';
    at[1] = kHexDigits[code >> 12];
    at[2] = kHexDigits[(code >> 8) & 0xF];
    at[3] = kHexDigits[(code >> 4) & 0xF];
    at[4] = kHexDigits[code & 0xF];
    at[5] = '"';
    at += 6;
  }
  *at++ = ']';
  return at;
}

// A meaning's characters are the file's bytes (0 to 255), so each becomes
// one or two bytes of UTF-8: six bytes of JSON at most.
struct MeaningText {
  const char* bytes;
  size_t length;

  explicit MeaningText(const LessonItem& item)
      : bytes(item.meaningBytes()), length(std::strlen(item.meaningBytes())) {}
  size_t maxJsonBytes() const { return 2 + 6 * length; }

  char* put(char* at) const {
    *at++ = '"';
    for (size_t i = 0; i < length; ++i) {
      const auto c = static_cast<uint8_t>(bytes[i]);
      if (c < 0x80) {
        at = putJsonByte(at, c);
      } else {
        *at++ = static_cast<char>(0xC0 | (c >> 6));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    *at++ = '"';
    return at;
  }
};

}  // namespace

std::string weightText(float w) {
  if (!std::isfinite(w)) return "null";
  char text[32];
  for (int precision = 1; precision <= 9; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(w));
    if (std::strtof(text, nullptr) == w) break;
  }
  std::string out = text;
  if (out.find_first_of(".en") == std::string::npos) out += ".0";
  return out;
}

void writeJsonItems(WeightedLesson& lesson, std::ostream& out) {
  BlockWriter writer(out);
  // Most weights repeat: the text of the last one is kept.
  float lastWeight = 0;
  std::string weight;
  for (int32_t i = 0; i < lesson.itemCount(); ++i) {
    const LessonItem* item = lesson.itemAt(i);
    const float w = lesson.weights().weightAt(i);
    if (weight.empty() || std::memcmp(&w, &lastWeight, sizeof w) != 0) {
      lastWeight = w;
      weight = weightText(w);
    }
    const MeaningText meaning(*item);
    const size_t cells = item->hanzi().size() + item->reading().size();
    char* at = writer.room(96 + 8 * cells + meaning.maxJsonBytes() + weight.size());
    at = put(at, i > 0 ? ",\n  {\"hanzi\": " : "\n  {\"hanzi\": ");
    at = putKeys(at, item->hanzi());
    at = put(at, ", \"reading\": ");
    at = putKeys(at, item->reading());
    at = put(at, ", \"meaning\": ");
    at = meaning.put(at);
    at = put(at, ", \"weight\": ");
    at = put(at, weight.c_str());
    *at++ = '}';
    writer.commit(at);
  }
}

}  // namespace morvane
