// The lesson core's reader against the reference reader, on generated
// lessons in every encoding and on damaged copies of them: the same items,
// cell for cell and byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lesson/lesson.h"
#include "lesson/token_readers.h"
#include "lesson_test_support.h"
#include "reference_lesson_reader.h"

namespace morvane {
namespace {

using testing::MemoryFile;
using testing::MemoryFileSystem;

// A small deterministic generator, the same on every platform.
struct Lcg {
  uint32_t state;
  uint32_t next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
  uint8_t in(uint8_t low, uint8_t high) { return static_cast<uint8_t>(low + next(high - low + 1u)); }
};

struct Encoding {
  const wchar_t* extension;
  EncodingCode code;
};

const Encoding kEncodings[] = {{L".gb", EncodingCode::Gb},
                               {L".b5", EncodingCode::Big5},
                               {L".euk", EncodingCode::EucKr},
                               {L".euc", EncodingCode::EucJp},
                               {L".jis", EncodingCode::Iso2022Jp}};

std::string hanzi(Lcg& random, EncodingCode code) {
  std::string out;
  switch (code) {
    case EncodingCode::Big5:
      out += static_cast<char>(random.in(0xA4, 0xF9));
      out += static_cast<char>(random.next(2) ? random.in(0x40, 0x7E) : random.in(0xA1, 0xFE));
      break;
    case EncodingCode::Iso2022Jp:
      out += static_cast<char>(random.in(0x30, 0x74));
      out += static_cast<char>(random.in(0x21, 0x7E));
      break;
    default:
      out += static_cast<char>(random.in(0xB0, 0xC8));
      out += static_cast<char>(random.in(0xA1, 0xFE));
      break;
  }
  return out;
}

std::string word(Lcg& random) {
  std::string out;
  for (uint32_t n = 1 + random.next(7); n > 0; --n) out += static_cast<char>(random.in('a', 'z'));
  return out;
}

// One item line as the editor writes it, with now and then a Hanzi in the
// reading or a "/" in it.
std::string itemLine(Lcg& random, EncodingCode code) {
  const bool jis = code == EncodingCode::Iso2022Jp;
  const std::string toKanji = jis ? "\x1b$B" : "";
  const std::string toAscii = jis ? "\x1b(B" : "";
  std::string line = toKanji;
  for (uint32_t n = 1 + random.next(4); n > 0; --n) line += hanzi(random, code);
  line += toAscii + " [";
  for (uint32_t n = 1 + random.next(3); n > 0; --n) {
    line += word(random) + static_cast<char>(random.in('1', '5'));
    if (random.next(8) == 0) line += toKanji + hanzi(random, code) + toAscii;
    if (random.next(10) == 0) line += "/";
    if (n > 1) line += " ";
  }
  line += "] /";
  for (uint32_t n = 1 + random.next(3); n > 0; --n) line += word(random) + " " + word(random) + "/";
  return line + "\r\n";
}

std::string lessonText(Lcg& random, EncodingCode code, int items) {
  std::string text = random.next(4) == 0 ? "A title line\r\n" : "";
  for (int i = 0; i < items; ++i) text += itemLine(random, code);
  return text;
}

// A few edits of the kind a damaged or careless file has.
std::string damaged(Lcg& random, std::string text) {
  static const char* const kPieces[] = {"\t", "\r", "\n", "[", "]", "/", "]/", "\x8e", "\x8f",
                                        "\x1b", "\x0e", "\x0f", "\xa0", "\xff", "\x7f", "\x00",
                                        "$B", "(B", "(I", "\x1b$B", "\x1b(J", "\xa8\xa6", " "};
  for (uint32_t edits = 1 + random.next(4); edits > 0 && !text.empty(); --edits) {
    size_t at = random.next(static_cast<uint32_t>(text.size()));
    switch (random.next(4)) {
      case 0:
        text[at] = static_cast<char>(random.next(256));
        break;
      case 1:
        text.erase(at, 1 + random.next(6));
        break;
      case 2: {
        const char* piece = kPieces[random.next(sizeof kPieces / sizeof kPieces[0])];
        text.insert(at, piece, piece[0] ? std::char_traits<char>::length(piece) : 1);
        break;
      }
      default:
        text.resize(at);
        break;
    }
  }
  return text;
}

// Items of the reference as text, one per line.
std::string expected(const std::string& bytes, EncodingCode code) {
  std::string out;
  for (const testing::ReferenceItem& item : testing::referenceItems(bytes, code)) {
    out += testing::describeItem(item) + "\n";
  }
  return out;
}

// The items of a Lesson made from the file, as the trainer opens it.
std::string readByLesson(const std::string& bytes, const Encoding& encoding) {
  MemoryFileSystem fs;
  ScopedFileSystem use(fs);
  const std::wstring path = std::wstring(L"lesson") + encoding.extension;
  fs.put(path, bytes);
  Lesson lesson(path, 0);
  std::string out;
  for (int32_t i = 0; i < lesson.itemCount(); ++i) out += testing::describeItem(*lesson.itemAt(i)) + "\n";
  return out;
}

// A reader seen only through TokenReader, as the inspector and fakes are.
class PlainReader : public TokenReader {
 public:
  explicit PlainReader(TokenReader& inner) : inner_(inner) {}
  Token nextToken() override {
    Token token = inner_.nextToken();
    doubleByte_ = inner_.doubleByte() ? 1 : 0;
    return token;
  }
  void stepBack(int32_t n) override { inner_.stepBack(n); }

 private:
  TokenReader& inner_;
};

// The items the item reader builds through the plain TokenReader interface.
std::string readByItemReader(const std::string& bytes, EncodingCode code) {
  MemoryFile file(bytes);
  auto reader = makeTokenReader(file, code);
  PlainReader plain(*reader);
  ItemStorage storage;
  ItemReader itemReader(plain, storage);
  std::string out;
  for (;;) {
    const LessonItem* item = itemReader.next();
    if (item == nullptr || !item->valid) break;
    out += testing::describeItem(*item) + "\n";
  }
  return out;
}

void expectSameAsReference(const std::string& bytes, const Encoding& encoding) {
  const std::string reference = expected(bytes, encoding.code);
  ASSERT_EQ(readByLesson(bytes, encoding), reference);
  ASSERT_EQ(readByItemReader(bytes, encoding.code), reference);
}

TEST(ReaderAgainstReference, GeneratedLessonsInEveryEncoding) {
  Lcg random{2024};
  for (const Encoding& encoding : kEncodings) {
    for (int round = 0; round < 40; ++round) {
      std::string text = lessonText(random, encoding.code, 1 + static_cast<int>(random.next(30)));
      SCOPED_TRACE(round);
      expectSameAsReference(text, encoding);
    }
  }
}

TEST(ReaderAgainstReference, DamagedLessonsInEveryEncoding) {
  Lcg random{77};
  for (const Encoding& encoding : kEncodings) {
    for (int round = 0; round < 400; ++round) {
      std::string text = damaged(random, lessonText(random, encoding.code, 1 + static_cast<int>(random.next(12))));
      SCOPED_TRACE(round);
      expectSameAsReference(text, encoding);
    }
  }
}

TEST(ReaderAgainstReference, BytesInAnyOrder) {
  Lcg random{5};
  for (const Encoding& encoding : kEncodings) {
    for (int round = 0; round < 300; ++round) {
      std::string text(random.next(200), '\0');
      for (char& c : text) c = static_cast<char>(random.next(256));
      SCOPED_TRACE(round);
      expectSameAsReference(text, encoding);
    }
  }
}

TEST(ReaderAgainstReference, LessonsLargerThanTheReadBlocks) {
  // Several hundred kilobytes, so that items and step-backs straddle blocks.
  Lcg random{99};
  for (const Encoding& encoding : kEncodings) {
    std::string text = lessonText(random, encoding.code, 6000);
    expectSameAsReference(text, encoding);
    text = damaged(random, text);
    expectSameAsReference(text, encoding);
  }
}

}  // namespace
}  // namespace morvane
