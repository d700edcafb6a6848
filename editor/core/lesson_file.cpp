// Writing and reading the line form of lesson files.
#include "core/lesson_file.h"

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

}  // namespace

bool parseLessonLine(const std::wstring& line, EditorItem& item, bool* cut) {
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

  item = EditorItem{};
  bool whole = item.setField(Field::Hanzi, line.substr(0, space));
  whole = item.setField(Field::Reading, line.substr(open + 1, close - open - 1)) && whole;
  whole = item.setField(Field::Meaning, line.substr(first + 1, last - first - 1)) && whole;
  if (cut) *cut = !whole;
  return true;
}

WrittenLesson writeLessonFile(const std::vector<EditorItem>& items, const TextCodec& codec) {
  WrittenLesson out;
  for (size_t i = 0; i < items.size(); ++i) {
    const EditorItem& item = items[i];
    const std::wstring hanzi = item.fieldText(Field::Hanzi);
    if (hanzi.empty()) continue;
    bool whole = codec.encode(hanzi, out.bytes);
    out.bytes += " [";
    whole = codec.encode(item.fieldText(Field::Reading), out.bytes) && whole;
    out.bytes += "] /";
    whole = codec.encode(item.fieldText(Field::Meaning), out.bytes) && whole;
    out.bytes += "/\r\n";
    if (!whole) out.itemsWithLostCharacters.push_back(i + 1);
  }
  return out;
}

LoadedLesson loadLessonFile(ByteSource& source, const TextCodec& codec, size_t maxItems) {
  LoadedLesson lesson;
  LineReader reader(source);
  std::string bytes;
  bool lineCut = false;
  for (size_t number = 1; reader.next(bytes, lineCut); ++number) {
    EditorItem item;
    bool itemCut = false;
    if (!parseLessonLine(codec.decode(bytes), item, &itemCut)) continue;
    if (lesson.items.size() == maxItems) {
      lesson.tooManyItems = true;
      break;
    }
    if (itemCut || lineCut) lesson.shortenedLines.push_back(number);
    lesson.items.push_back(std::move(item));
  }
  // A file without items gives one empty item.
  if (lesson.items.empty()) lesson.items.emplace_back();
  return lesson;
}

}  // namespace quillmark
