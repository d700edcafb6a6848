// Writing and reading the line form of lesson files.
#include "core/lesson_file.h"

#include <algorithm>

namespace quillmark {

namespace {

// Hands out the lines of a byte stream, LF removed (a CR stays), each cut to
// kMaxLineBytes.
class LineReader {
 public:
  explicit LineReader(ByteSource& source) : source_(source) {}

  // False at the end of the data.
  bool next(std::string& line, bool& cut) {
    line.clear();
    cut = false;
    bool any = false;
    for (;;) {
      if (pos_ == end_ && !refill()) return any;
      any = true;
      while (pos_ < end_) {
        char c = buffer_[pos_++];
        if (c == '\n') return true;
        if (line.size() < kMaxLineBytes) {
          line += c;
        } else {
          cut = true;
        }
      }
    }
  }

 private:
  bool refill() {
    pos_ = 0;
    end_ = source_.read(buffer_, sizeof buffer_);
    return end_ > 0;
  }

  ByteSource& source_;
  char buffer_[4096];
  size_t pos_ = 0;
  size_t end_ = 0;
};

// An item's three fields as its line holds them, before they go into the
// fixed-size fields of an EditorItem.
struct ItemText {
  std::wstring hanzi, reading, meaning;
};

bool splitLessonLine(const std::wstring& line, ItemText& text) {
  const size_t n = line.size();
  const size_t space = line.find(L' ');
  if (space == std::wstring::npos) return false;
  const size_t open = line.find(L'[');
  if (open == std::wstring::npos || open + 1 == n) return false;
  const size_t close = line.find(L']');
  if (close == std::wstring::npos || close <= open) return false;
  const size_t first = line.find(L'/', close + 1);
  if (first == std::wstring::npos || first + 1 == n) return false;
  const size_t last = line.rfind(L'/');
  if (last <= first + 1) return false;

  text.hanzi = line.substr(0, space);
  text.reading = line.substr(open + 1, close - open - 1);
  text.meaning = line.substr(first + 1, last - first - 1);
  return true;
}

// Into an empty item; false if a field had to be cut.
bool storeItemText(const ItemText& text, EditorItem& item) {
  bool whole = setField(item.hanzi, text.hanzi);
  whole = setField(item.reading, text.reading) && whole;
  return setField(item.meaning, text.meaning) && whole;
}

}  // namespace

bool parseLessonLine(const std::wstring& line, EditorItem& item, bool* cut) {
  ItemText text;
  if (!splitLessonLine(line, text)) return false;
  item = EditorItem{};
  bool whole = storeItemText(text, item);
  if (cut) *cut = !whole;
  return true;
}

WrittenLesson writeLessonFile(const std::vector<EditorItem>& items, const TextCodec& codec) {
  WrittenLesson out;
  for (size_t i = 0; i < items.size(); ++i) {
    const EditorItem& item = items[i];
    if (item.hanzi[0] == 0) continue;
    bool whole = codec.encode(fieldText(item.hanzi), out.bytes);
    out.bytes += " [";
    whole = codec.encode(fieldText(item.reading), out.bytes) && whole;
    out.bytes += "] /";
    whole = codec.encode(fieldText(item.meaning), out.bytes) && whole;
    out.bytes += "/\r\n";
    if (!whole) out.itemsWithLostCharacters.push_back(i + 1);
  }
  return out;
}

LoadedLesson loadLessonFile(ByteSource& source, const TextCodec& codec, size_t maxItems) {
  // An item's fixed-size fields take 1.5 KB. Read compactly first, the items
  // are then copied once into a block of the right size, instead of into one
  // that grows step by step, which touches twice the memory.
  struct ReadItem {
    ItemText text;
    size_t line;
    bool lineCut;
  };
  std::vector<ReadItem> read;
  LoadedLesson lesson;
  LineReader reader(source);
  std::string bytes;
  bool lineCut = false;
  for (size_t number = 1; reader.next(bytes, lineCut); ++number) {
    ItemText text;
    if (!splitLessonLine(codec.decode(bytes), text)) continue;
    if (read.size() == maxItems) {
      lesson.tooManyItems = true;
      break;
    }
    read.push_back({std::move(text), number, lineCut});
  }
  // A file without items gives one empty item.
  lesson.items.resize(std::max<size_t>(read.size(), 1));
  for (size_t i = 0; i < read.size(); ++i) {
    bool whole = storeItemText(read[i].text, lesson.items[i]);
    if (!whole || read[i].lineCut) lesson.shortenedLines.push_back(read[i].line);
  }
  return lesson;
}

}  // namespace quillmark
