// Traced reading of a lesson file for the inspector.
#include "lesson_analysis.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "lesson/item_scan.h"
#include "lesson/lesson.h"
#include "lesson/token_readers.h"
#include "platform/file.h"

namespace morvane {

namespace {

const size_t kListedWarnings = 200;

// What the trace of one file finds: for each item, where its Hanzi start,
// whether a line break came before them, the characters dropped after "]";
// for the file, the input the reader dropped and where the data ended.
class TraceFindings : public ReaderObserver {
 public:
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

  // Follows each token the item steps take; `position` is the reader's
  // position after it.
  [[gnu::always_inline]] void saw(const Token& token, bool isDouble, int64_t position) {
    // Most tokens are in a meaning, where only line ends matter.
    lineBreak_ |= token.size == 1 && token.first() == 0x0A;
    if (phase_ == Phase::InMeaning) return;
    isDouble = token && isDouble;
    switch (phase_) {
      case Phase::BeforeHanzi:
        if (isDouble) {
          itemStart = position - 2;
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
          closeBracket = position - 1;
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

  Phase phase_ = Phase::BeforeHanzi;
  bool lineBreak_ = true;
};

// Sits between the item steps and an encoding reader of known type (so that
// its nextToken is inlined) and shows each token to the findings.
template <class Reader>
class TracingReader {
 public:
  TracingReader(Reader& inner, TraceFindings& findings) : inner_(inner), findings_(findings) {
    inner_.setObserver(&findings);
  }
  ~TracingReader() { inner_.setObserver(nullptr); }

  [[gnu::always_inline]] Token nextToken() {
    Token token = inner_.nextToken();
    findings_.saw(token, inner_.doubleByte(), inner_.position());
    return token;
  }
  void stepBack(int32_t n) { inner_.stepBack(n); }
  bool doubleByte() const { return inner_.doubleByte(); }

 private:
  Reader& inner_;
  TraceFindings& findings_;
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
void noteItemTraps(TraceFindings& trace, int32_t itemNumber, EncodingCode code) {
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
void noteOverlongParts(TraceFindings& trace, const ItemBuilder& item, int32_t itemNumber) {
  auto note = [&](const std::string& cut) {
    trace.note(trace.itemStart, "item " + std::to_string(itemNumber) +
                                    " is longer than the trainer keeps: " + cut +
                                    " (is a \"]\" or a line end missing?)");
  };
  std::string cells = " cut at " + std::to_string(kMaxItemCells) + " characters";
  if (item.hanziCount() >= kMaxItemCells) note("its Hanzi are" + cells);
  if (item.readingCount() >= kMaxItemCells) note("its reading is" + cells);
  if (item.meaningLength() >= kMaxMeaningBytes) {
    note("its meaning is cut at " + std::to_string(kMaxMeaningBytes) + " bytes");
  }
}

// What the trace of one file keeps while the lesson reads it.
struct FileTrace {
  TraceFindings findings;
  std::vector<int64_t> starts;  // offset of each item's first Hanzi
  int32_t itemCount = 0;
  int32_t itemsTried = 0;
  // The last item tried: whether it was found, its Hanzi and reading counts,
  // and the reader's position after it.
  bool lastFound = false;
  int32_t lastHanzi = 0;
  int32_t lastReading = 0;
  int64_t position = 0;
};

// How reading ended: at the lesson's item limit when no item was tried or the
// last one was found, else at the item that was not valid.
void explainStop(const FileTrace& file, FileAnalysis& out, int64_t& stopOffset) {
  const TraceFindings& trace = file.findings;
  stopOffset = -1;
  if (file.itemsTried == 0 || file.lastFound) {
    out.stop = "reading stopped at the limit of " + std::to_string(kMaxLessonItems) + " items";
    stopOffset = file.position;
  } else if (trace.endByte >= 0) {
    out.stop = describeByte(trace.endByte) +
               " is not allowed there in this encoding and ends the data; nothing after it is read";
    stopOffset = trace.endOffset;
  } else if (file.lastHanzi > 0) {
    stopOffset = trace.itemStart;
    if (file.lastReading == 0) {
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

// Line numbers (from 1) of byte offsets, from the offsets of the file's line
// feeds: the line of an offset is one more than the LFs before it.
std::vector<int64_t> linesAt(const std::wstring& path, const std::vector<int64_t>& offsets) {
  std::vector<int64_t> lineFeeds;
  std::unique_ptr<File> file = openFileForRead(path);
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[ByteSource::kBlockSize]);
  int64_t blockStart = 0;
  size_t got = 0;
  while (file && (got = file->read(buffer.get(), ByteSource::kBlockSize)) > 0) {
    const uint8_t* end = buffer.get() + got;
    for (const uint8_t* at = buffer.get(); (at = static_cast<const uint8_t*>(
                                               std::memchr(at, 0x0A, static_cast<size_t>(end - at))));
         ++at) {
      lineFeeds.push_back(blockStart + (at - buffer.get()));
    }
    blockStart += static_cast<int64_t>(got);
  }
  // Offsets mostly ascend (item starts do): the count before the previous
  // one is only carried forward, and searched afresh when they go back.
  std::vector<int64_t> lines;
  lines.reserve(offsets.size());
  size_t before = 0;
  int64_t previous = 0;
  for (int64_t offset : offsets) {
    if (offset < previous) {
      before = static_cast<size_t>(std::lower_bound(lineFeeds.begin(), lineFeeds.end(), offset) -
                                   lineFeeds.begin());
    }
    while (before < lineFeeds.size() && lineFeeds[before] < offset) ++before;
    lines.push_back(1 + static_cast<int64_t>(before));
    previous = offset;
  }
  return lines;
}

// The reader a lesson reads a file with while the inspector watches: the
// encoding's reader of known type (inlined into the item steps), traced, with
// each item's findings noted as it is read.
template <class Reader>
class WatchedReader final : public FileTokenReader {
 public:
  WatchedReader(File& file, EncodingCode code, FileTrace& trace)
      : FileTokenReader(file), inner_(file), tracing_(inner_, trace.findings), trace_(trace),
        code_(code) {}

  Token nextToken() override {
    Token token = tracing_.nextToken();
    doubleByte_ = inner_.doubleByte() ? 1 : 0;
    return token;
  }
  void stepBack(int32_t n) override { inner_.stepBack(n); }

  bool readItemInto(ItemBuilder& builder) override {
    FileTrace& trace = trace_;
    trace.findings.beginItem();
    const bool found = scanItem(tracing_, builder);
    ++trace.itemsTried;
    trace.lastFound = found;
    trace.lastHanzi = builder.hanziCount();
    trace.lastReading = builder.readingCount();
    trace.position = inner_.position();
    if (found) {
      ++trace.itemCount;
      trace.starts.push_back(trace.findings.itemStart);
      noteItemTraps(trace.findings, trace.itemCount, code_);
      noteOverlongParts(trace.findings, builder, trace.itemCount);
    }
    return found;
  }

 private:
  Reader inner_;
  TracingReader<Reader> tracing_;
  FileTrace& trace_;
  EncodingCode code_;
};

// The traces of a lesson's files, handed out in the order the lesson reads
// them (every file but those it does not read). Shared with the lesson's
// reader factory, so it lives as long as either.
struct LessonTraces {
  std::vector<std::wstring> paths;
  std::vector<std::unique_ptr<FileTrace>> traces;  // one per path
  size_t next = 0;
  FileTrace spare;  // for a read nobody expected (a file that failed to open)

  FileTrace& nextRead() {
    while (next < paths.size() && encodingForPath(paths[next]) == EncodingCode::Unicode) ++next;
    return next < paths.size() ? *traces[next++] : spare;
  }
};

// The analysis of one file from its trace (none when the lesson did not read it).
FileAnalysis analysisOf(const std::wstring& path, const FileTrace* file) {
  FileAnalysis out;
  out.path = path;
  out.progressPath = path + L".st";
  out.code = encodingForPath(path);
  if (out.code == EncodingCode::Unicode) {
    out.stop = "files with this extension hold Unicode text, which the trainer does not read";
  } else if (file) {
    out.itemCount = file->itemCount;
    TraceFindings trace = file->findings;
    int64_t stopOffset = -1;
    explainStop(*file, out, stopOffset);
    if (trace.endByte >= 0) {
      std::string text = describeByte(trace.endByte) +
                         " ends the data here: the item it is in keeps what was read before it, "
                         "and nothing after it is read";
      if (trace.endByte == 0x09) text += "; use spaces instead of TABs";
      trace.note(trace.endOffset, text);
    }
    std::vector<LessonNote> notes = std::move(trace.notes);
    out.unlistedWarnings = trace.unlistedNotes;
    std::stable_sort(notes.begin(), notes.end(),
                     [](const LessonNote& a, const LessonNote& b) { return a.offset < b.offset; });
    const std::vector<int64_t>& starts = file->starts;
    std::vector<int64_t> offsets = starts;
    for (const LessonNote& note : notes) offsets.push_back(note.offset);
    offsets.push_back(stopOffset < 0 ? 0 : stopOffset);
    std::vector<int64_t> lines = linesAt(path, offsets);
    out.itemLines.assign(lines.begin(), lines.begin() + static_cast<int64_t>(starts.size()));
    for (size_t i = 0; i < notes.size(); ++i) notes[i].line = lines[starts.size() + i];
    if (stopOffset >= 0) out.stopLine = lines.back();
    out.warnings = std::move(notes);
  }
  ItemWeights scratch;
  out.progress = loadProgress(out.progressPath, out.itemCount, scratch);
  return out;
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

InspectedLesson inspectLessonFiles(const std::vector<std::wstring>& paths) {
  auto traces = std::make_shared<LessonTraces>();
  traces->paths = paths;
  for (size_t i = 0; i < paths.size(); ++i) traces->traces.push_back(std::make_unique<FileTrace>());
  ReaderFactory watch = [traces](File& file, EncodingCode code) {
    FileTrace& trace = traces->nextRead();
    return withReaderType(code, [&](auto type) -> std::unique_ptr<TokenReader> {
      return std::make_unique<WatchedReader<typename decltype(type)::type>>(file, code, trace);
    });
  };

  // As Multi-Open builds a lesson set: the first file makes the lesson, each
  // further one is added.
  InspectedLesson inspected;
  inspected.lesson = std::make_unique<WeightedLesson>(paths[0], paths[0] + L".st", 0, watch);
  for (size_t i = 1; i < paths.size(); ++i) inspected.lesson->addFile(paths[i], paths[i] + L".st");
  for (size_t i = 0; i < paths.size(); ++i) {
    const bool read = i < traces->next && encodingForPath(paths[i]) != EncodingCode::Unicode;
    inspected.files.push_back(analysisOf(paths[i], read ? traces->traces[i].get() : nullptr));
  }
  return inspected;
}

}  // namespace morvane
