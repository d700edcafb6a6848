// Traced reading of a lesson file for the inspector.
#include "lesson_analysis.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "lesson/lesson.h"
#include "lesson/lesson_item.h"
#include "lesson/token_reader.h"
#include "platform/file.h"

namespace morvane {

namespace {

const size_t kListedWarnings = 200;

// Sits between the item reader and the real reader and notes what each item
// is made of: where its Hanzi start, whether a line break came before them,
// the characters dropped after "]", and any input the reader dropped.
class TracingReader : public TokenReader, public ReaderObserver {
 public:
  explicit TracingReader(FileTokenReader& inner) : inner_(inner) { inner_.setObserver(this); }
  ~TracingReader() override { inner_.setObserver(nullptr); }

  Token nextToken() override {
    Token token = inner_.nextToken();
    doubleByte_ = inner_.doubleByte() ? 1 : 0;
    if (token && token.size == 1 && token.first() == 0x0A) lineBreak_ = true;
    follow(token);
    return token;
  }
  void stepBack(int32_t n) override { inner_.stepBack(n); }

  void dataEnded(int64_t offset, int byte) override {
    if (byte < 0) return;
    endOffset = offset;
    endByte = byte;
  }
  void lineSkipped(int64_t offset, uint8_t byte, int64_t length) override {
    lineBreak_ = true;
    // A line end (LF, or CR LF) is dropped the same way; that is harmless.
    if (byte == 0x0A || (byte == 0x0D && length == 2)) return;
    note(offset,
         describeByte(byte) + " drops the rest of its line (" + std::to_string(length) + " bytes)");
  }

  // Called before each item is read.
  void beginItem() {
    phase_ = Phase::BeforeHanzi;
    itemStart = -1;
    closeBracket = -1;
    dropped.clear();
  }

  int64_t position() const { return inner_.position(); }

  // Keeps a note for the author, up to a limit; the rest are only counted.
  void note(int64_t offset, std::string text) {
    if (notes.size() < kListedWarnings) {
      notes.push_back({offset, 0, std::move(text)});
    } else {
      ++unlistedNotes;
    }
  }

  // Findings about the item being read.
  int64_t itemStart = -1;
  uint8_t firstLead = 0;
  bool lineBreakBeforeItem = false;
  int64_t closeBracket = -1;
  std::string dropped;  // the characters dropped after "]"
  // Findings about the whole file.
  int64_t endOffset = -1;
  int endByte = -1;
  std::vector<LessonNote> notes;
  int64_t unlistedNotes = 0;

 private:
  enum class Phase { BeforeHanzi, InHanzi, InReading, AfterBracket, InMeaning };

  void follow(const Token& token) {
    bool isDouble = token && doubleByte_;
    switch (phase_) {
      case Phase::BeforeHanzi:
        if (isDouble) {
          itemStart = position() - 2;
          firstLead = token.bytes[0];
          lineBreakBeforeItem = lineBreak_;
          lineBreak_ = false;
          phase_ = Phase::InHanzi;
        }
        break;
      case Phase::InHanzi:
        if (!isDouble) phase_ = Phase::InReading;
        break;
      case Phase::InReading:
        if (token && token.first() == ']') {
          closeBracket = position() - 1;
          phase_ = Phase::AfterBracket;
        }
        break;
      case Phase::AfterBracket:
        if (token && !isDouble) dropped += static_cast<char>(token.first());
        if (!token || isDouble || dropped.size() == 2) phase_ = Phase::InMeaning;
        break;
      case Phase::InMeaning:
        break;
    }
  }

  FileTokenReader& inner_;
  Phase phase_ = Phase::BeforeHanzi;
  bool lineBreak_ = true;
};

std::string hex2(uint8_t b) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x", b);
  return text;
}

std::string quoted(const std::string& bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    uint8_t b = static_cast<uint8_t>(c);
    out += (b >= 0x20 && b < 0x7F) ? std::string(1, c) : "\\x" + hex2(b);
  }
  return out + "\"";
}

// Notes on one valid item: a start in the middle of a line, and "]" not
// followed by " /".
void noteItemTraps(TracingReader& trace, int32_t itemNumber, EncodingCode code) {
  if (itemNumber > 1 && !trace.lineBreakBeforeItem) {
    std::string text = "item " + std::to_string(itemNumber) + " begins on the same line as item " +
                       std::to_string(itemNumber - 1) + ": a double-byte character (" +
                       hex2(trace.firstLead) + "..) ended the meaning of item " +
                       std::to_string(itemNumber - 1) + " and starts a new item";
    if (code == EncodingCode::Gb && trace.firstLead == 0xA8) {
      text += "; code page 936 writes letters such as \xC3\xA9 or \xC3\xBC as two bytes";
    }
    trace.note(trace.itemStart, text);
  }
  if (trace.closeBracket >= 0 && trace.dropped.size() == 2 && trace.dropped != " /") {
    std::string text = "the two characters after \"]\" are always dropped; here they are " +
                       quoted(trace.dropped) + " rather than \" /\"";
    if (trace.dropped[0] == '/') {
      text += ", so the meaning of item " + std::to_string(itemNumber) +
              " loses its first letter " + quoted(trace.dropped.substr(1));
    }
    trace.note(trace.closeBracket, text);
  }
}

// Notes each part of the item that reached the most the trainer keeps of it.
void noteOverlongParts(TracingReader& trace, const LessonItem& item, int32_t itemNumber) {
  auto note = [&](const std::string& cut) {
    trace.note(trace.itemStart, "item " + std::to_string(itemNumber) +
                                    " is longer than the trainer keeps: " + cut +
                                    " (is a \"]\" or a line end missing?)");
  };
  std::string cells = " cut at " + std::to_string(kMaxItemCells) + " characters";
  if (item.hanzi.count >= kMaxItemCells) note("its Hanzi are" + cells);
  if (item.reading.count >= kMaxItemCells) note("its reading is" + cells);
  if (item.meaning && std::char_traits<wchar_t>::length(item.meaning.get()) >= kMaxMeaningBytes) {
    note("its meaning is cut at " + std::to_string(kMaxMeaningBytes) + " bytes");
  }
}

// How reading ended, given the item that was not valid (if any).
void explainStop(const TracingReader& trace, const LessonItem* lastItem, bool atLimit,
                 FileAnalysis& out, int64_t& stopOffset) {
  stopOffset = -1;
  if (atLimit) {
    out.stop = "reading stopped at the limit of " + std::to_string(kMaxLessonItems) + " items";
    stopOffset = trace.position();
  } else if (trace.endByte >= 0) {
    out.stop = describeByte(trace.endByte) +
               " is not allowed there in this encoding and ends the data; nothing after it is read";
    stopOffset = trace.endOffset;
  } else if (lastItem && lastItem->hanzi.count > 0) {
    stopOffset = trace.itemStart;
    if (lastItem->reading.count == 0) {
      out.stop = "the item here has no reading; it is dropped and reading stops";
    } else if (trace.closeBracket < 0) {
      out.stop = "the file ends inside the reading of the item here (no \"]\"); it is dropped";
    } else {
      out.stop = "the item here has no meaning; it is dropped and reading stops";
    }
  } else {
    out.stop = "reading ended at the end of the file";
  }
}

// Line numbers (from 1) of byte offsets, in one pass over the file.
std::vector<int64_t> linesAt(const std::wstring& path, const std::vector<int64_t>& offsets) {
  std::vector<size_t> order(offsets.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return offsets[a] < offsets[b]; });
  std::vector<int64_t> lines(offsets.size(), 0);
  std::unique_ptr<File> file = openFileForRead(path);
  int64_t line = 1;
  int64_t at = 0;
  size_t next = 0;
  uint8_t buffer[65536];
  size_t got = 0;
  while (next < order.size() && file && (got = file->read(buffer, sizeof buffer)) > 0) {
    for (size_t i = 0; i < got && next < order.size(); ++i, ++at) {
      while (next < order.size() && offsets[order[next]] <= at) lines[order[next++]] = line;
      if (buffer[i] == 0x0A) ++line;
    }
  }
  while (next < order.size()) lines[order[next++]] = line;
  return lines;
}

}  // namespace

std::string describeByte(int byte) {
  static const char* const kNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                       "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI"};
  std::string text = "byte 0x" + hex2(static_cast<uint8_t>(byte));
  if (byte < 0x10) return text + " (" + kNames[byte] + ")";
  if (byte == 0x1B) return text + " (ESC)";
  if (byte == 0x7F) return text + " (DEL)";
  return text;
}

FileAnalysis analyseLessonFile(const std::wstring& path, const std::wstring& progressPath) {
  FileAnalysis out;
  out.path = path;
  out.progressPath = progressPath;
  out.code = encodingForPath(path);
  std::unique_ptr<File> file = openFileForRead(path);
  std::vector<LessonNote> notes;
  int64_t stopOffset = -1;
  if (out.code == EncodingCode::Unicode) {
    out.stop = "files with this extension hold Unicode text, which the trainer does not read";
  } else if (file) {
    std::unique_ptr<FileTokenReader> reader = makeTokenReader(*file, out.code);
    TracingReader trace(*reader);
    ItemReader items(trace);
    std::vector<int64_t> starts;
    std::unique_ptr<LessonItem> item;
    bool atLimit = false;
    for (;;) {
      if (out.itemCount >= kMaxLessonItems) {
        atLimit = true;
        break;
      }
      trace.beginItem();
      item = items.next();
      if (!item->valid) break;
      ++out.itemCount;
      starts.push_back(trace.itemStart);
      noteItemTraps(trace, out.itemCount, out.code);
      noteOverlongParts(trace, *item, out.itemCount);
    }
    explainStop(trace, atLimit ? nullptr : item.get(), atLimit, out, stopOffset);
    if (trace.endByte >= 0) {
      std::string text = describeByte(trace.endByte) +
                         " ends the data here: the item it is in keeps what was read before it, "
                         "and nothing after it is read";
      if (trace.endByte == 0x09) text += "; use spaces instead of TABs";
      trace.note(trace.endOffset, text);
    }
    notes = std::move(trace.notes);
    out.unlistedWarnings = trace.unlistedNotes;
    std::stable_sort(notes.begin(), notes.end(),
                     [](const LessonNote& a, const LessonNote& b) { return a.offset < b.offset; });
    std::vector<int64_t> offsets = starts;
    for (const LessonNote& note : notes) offsets.push_back(note.offset);
    offsets.push_back(stopOffset < 0 ? 0 : stopOffset);
    std::vector<int64_t> lines = linesAt(path, offsets);
    out.itemLines.assign(lines.begin(), lines.begin() + static_cast<int64_t>(starts.size()));
    for (size_t i = 0; i < notes.size(); ++i) notes[i].line = lines[starts.size() + i];
    if (stopOffset >= 0) out.stopLine = lines.back();
  }
  out.warnings = std::move(notes);
  ItemWeights scratch;
  out.progress = loadProgress(progressPath, out.itemCount, scratch);
  return out;
}

}  // namespace morvane
