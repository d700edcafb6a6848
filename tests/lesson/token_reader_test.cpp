// The encoding readers: which bytes each accepts, what it delivers, where the
// data ends, and the ISO-2022-JP shift-state machine.
#include <gtest/gtest.h>

#include <string>

#include "lesson/token_readers.h"
#include "lesson_test_support.h"

namespace morvane {
namespace {

using testing::MemoryFile;

// Every token up to the first none, as "s41" (single) or "d3021" (double),
// each followed by the doubleByte flag, then "|" for the none.
std::string describe(TokenReader& reader, int limit = 64) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (int i = 0; i < limit; ++i) {
    Token t = reader.nextToken();
    if (!t) return out + "|";
    out += t.size == 2 ? "d" : "s";
    for (int b = 0; b < t.size; ++b) {
      out += kHex[t.bytes[b] >> 4];
      out += kHex[t.bytes[b] & 15];
    }
    out += reader.doubleByte() ? "/1 " : "/0 ";
  }
  return out;
}

std::string readAll(EncodingCode code, const std::string& bytes) {
  MemoryFile file(bytes);
  auto reader = makeTokenReader(file, code);
  return describe(*reader);
}

struct ByteCase {
  EncodingCode code;
  const char* bytes;
  size_t length;
  const char* tokens;
};

#define CASE(code, bytes, tokens) {EncodingCode::code, bytes, sizeof(bytes) - 1, tokens}

// Lead and trail byte classes of the four single-state readers.
const ByteCase kByteClasses[] = {
    // Printable ASCII and LF are single in all four; control bytes, DEL and
    // 0x80..0x9F end the data.
    CASE(Gb, "A\n~", "s41/0 s0a/0 s7e/0 |"),
    CASE(Gb, "\t", "|"),
    CASE(Gb, "\r", "s0d/0 |"),
    CASE(Gb, "\x7f", "|"),
    CASE(Gb, "\x80", "|"),
    CASE(Gb, "\x9f", "|"),
    CASE(Gb, "\xa0\xa0\xff\xff", "da0a0/1 dffff/1 |"),
    CASE(Gb, "\xb0\xa1", "db0a1/1 |"),
    CASE(Gb, "\xb0\x41Z", "sb0/0 s5a/0 |"),  // the 0x41 is lost
    CASE(Gb, "\xb0\x9fZ", "sb0/0 s5a/0 |"),
    CASE(Gb, "\xb0", "|"),
    CASE(EucKr, "\xa1\xa1\xfe\xfe", "da1a1/1 dfefe/1 |"),
    CASE(EucKr, "\xa0\xa1", "|"),
    CASE(EucKr, "\xff\xa1", "|"),
    CASE(EucKr, "\xb0\xa0Z", "sb0/0 s5a/0 |"),
    CASE(EucKr, "\xb0\xffZ", "sb0/0 s5a/0 |"),
    CASE(EucKr, "A\x09Z", "s41/0 |"),
    CASE(Big5, "\xa4\x40\xa4\x7e\xa4\xa1\xa4\xfe", "da440/1 da47e/1 da4a1/1 da4fe/1 |"),
    CASE(Big5, "\xa4\x3fZ", "sa4/0 s5a/0 |"),
    CASE(Big5, "\xa4\x7fZ", "sa4/0 s5a/0 |"),
    CASE(Big5, "\xa4\xa0Z", "sa4/0 s5a/0 |"),
    CASE(Big5, "\xa4\xffZ", "sa4/0 s5a/0 |"),
    CASE(Big5, "\x81\x40", "|"),
    CASE(Big5, "\xa0\x40", "|"),
    CASE(EucJp, "\xb0\xa1", "d3021/1 |"),  // folded to 7-bit row and cell
    CASE(EucJp, "\xa0\xa0\xff\xff", "d2020/1 d7f7f/1 |"),
    CASE(EucJp, "\xb0\x41Z", "sb0/0 s5a/0 |"),
    CASE(EucJp, "\x8f\xb0\xa1", "s8f/0 d3021/1 |"),
    CASE(EucJp, "\x8e\x41", "s41/0 |"),
    CASE(EucJp, "\x8e\xb1Z", "|"),  // half-width katakana ends the data
    CASE(EucJp, "\x8e", "|"),
    CASE(EucJp, "\x80", "|"),
    CASE(EucJp, "\x9f", "|"),
    CASE(EucJp, "\x09", "|"),
    CASE(EucJp, "\xb0", "|"),
};

TEST(SingleStateReaders, ByteClassesTable) {
  for (const ByteCase& c : kByteClasses) {
    SCOPED_TRACE(std::string("encoding ") + std::to_string(static_cast<int>(c.code)) +
                 ", bytes " + ::testing::PrintToString(std::string(c.bytes, c.length)));
    EXPECT_EQ(readAll(c.code, std::string(c.bytes, c.length)), c.tokens);
  }
}

TEST(SingleStateReaders, EveryLeadByteOfGbIsClassified) {
  for (int b = 0; b < 256; ++b) {
    std::string bytes{static_cast<char>(b), '\xa1'};
    std::string tokens = readAll(EncodingCode::Gb, bytes);
    if (b >= 0x0A && b <= 0x7E) {
      EXPECT_EQ(tokens.substr(0, 1), "s") << b;
    } else if (b >= 0xA0) {
      EXPECT_EQ(tokens.substr(0, 1), "d") << b;
    } else {
      EXPECT_EQ(tokens, "|") << b;
    }
  }
}

TEST(SingleStateReaders, EndedDataStaysEnded) {
  for (EncodingCode code :
       {EncodingCode::Gb, EncodingCode::EucKr, EncodingCode::Big5, EncodingCode::EucJp}) {
    MemoryFile file("A\tB\xb0\xa1");
    auto reader = makeTokenReader(file, code);
    EXPECT_TRUE(reader->nextToken());
    EXPECT_FALSE(reader->nextToken());
    EXPECT_FALSE(reader->nextToken());
    EXPECT_FALSE(reader->nextToken());
  }
}

TEST(SingleStateReaders, StepBackRereadsTheDoubleToken) {
  MemoryFile file("\xb0\xa1\xb0\xa2");
  GbReader reader(file);
  EXPECT_EQ(describe(reader, 1), "db0a1/1 ");
  reader.stepBack(2);
  EXPECT_EQ(describe(reader), "db0a1/1 db0a2/1 |");
}

TEST(SingleStateReaders, StepBackAcrossTheReadBuffer) {
  // A double token that straddles the reader's block must still be reread.
  for (size_t lead = ByteSource::kBlockSize - 4; lead < ByteSource::kBlockSize + 2; ++lead) {
    std::string bytes(lead, 'a');
    bytes += "\xb0\xa1Z";
    MemoryFile file(bytes);
    GbReader reader(file);
    for (size_t i = 0; i < lead; ++i) reader.nextToken();
    EXPECT_EQ(describe(reader, 1), "db0a1/1 ");
    reader.stepBack(2);
    EXPECT_EQ(reader.position(), static_cast<int64_t>(lead));
    EXPECT_EQ(describe(reader), "db0a1/1 s5a/0 |") << lead;
  }
}

const std::string kEsc = "\x1b";
const std::string kToKanji = kEsc + "$B";
const std::string kToAscii = kEsc + "(B";

std::string readJis(const std::string& bytes) { return readAll(EncodingCode::Iso2022Jp, bytes); }

TEST(Iso2022JpReader, KanjiBetweenEscapesThenAscii) {
  EXPECT_EQ(readJis(kToKanji + "\x30\x21" + kToAscii + "A"), "d3021/1 s41/0 |");
}

TEST(Iso2022JpReader, EveryKanjiEscape) {
  for (const std::string& escape :
       {kEsc + "$B", kEsc + "$@", kEsc + "$(D", kEsc + "&@" + kEsc + "$B"}) {
    EXPECT_EQ(readJis(escape + "\x30\x21"), "d3021/1 |") << escape.substr(1);
  }
}

TEST(Iso2022JpReader, EveryAsciiEscape) {
  for (const std::string& escape : {kEsc + "(B", kEsc + "(H", kEsc + "(J"}) {
    EXPECT_EQ(readJis(kToKanji + "\x30\x21" + escape + "a"), "d3021/1 s61/0 |");
  }
}

TEST(Iso2022JpReader, SevenBitKatakana) {
  EXPECT_EQ(readJis(kEsc + "(I" + "\x21\x5f" + kToAscii + "a"), "s21/0 s5f/0 s61/0 |");
  // A byte outside 0x21..0x5F drops its line; the state stays Katakana7.
  EXPECT_EQ(readJis(kEsc + "(I" + "\x31\x60\x31\n\x32"), "s31/0 s32/0 |");
}

TEST(Iso2022JpReader, ShiftOutAndShiftIn) {
  EXPECT_EQ(readJis("a\x0e\xa1\xdf\x0f" "b"), "s61/0 sa1/0 sdf/0 s62/0 |");
  // Any other byte in Katakana8 drops the line but keeps the state.
  EXPECT_EQ(readJis("\x0e\xb1z\xb2\n\xb3\x0f" "c"), "sb1/0 sb3/0 s63/0 |");
}

TEST(Iso2022JpReader, ControlBytesDropTheRestOfTheirLine) {
  EXPECT_EQ(readJis("ab\tcd\nef"), "s61/0 s62/0 s65/0 s66/0 |");
  EXPECT_EQ(readJis("a\r\nb"), "s61/0 s62/0 |");
  EXPECT_EQ(readJis("a\rjunk\nb"), "s61/0 s62/0 |");
  EXPECT_EQ(readJis("a\x7f" "junk\nb"), "s61/0 s62/0 |");
  EXPECT_EQ(readJis("a\tno line end"), "s61/0 |");
}

TEST(Iso2022JpReader, LineEndInsideKanjiKeepsKanji) {
  EXPECT_EQ(readJis(kToKanji + "\x30\x21\r\n\x30\x22"), "d3021/1 d3022/1 |");
  EXPECT_EQ(readJis(kToKanji + "\x30\x21\n\x30\x22"), "d3021/1 d3022/1 |");
}

TEST(Iso2022JpReader, DamagedKanjiDropsTheLine) {
  // A bad second byte drops the line from that byte.
  EXPECT_EQ(readJis(kToKanji + "\x30\x0a\x30\x22"), "d3022/1 |");
  EXPECT_EQ(readJis(kToKanji + "\x30\x80zz\n\x30\x22"), "d3022/1 |");
  // A space is no kanji byte: it drops the rest of the line.
  EXPECT_EQ(readJis(kToKanji + "\x30\x21 [x]\n\x30\x22"), "d3021/1 d3022/1 |");
}

TEST(Iso2022JpReader, UnknownEscapeDropsTheLineAndKeepsTheState) {
  EXPECT_EQ(readJis("a" + kEsc + "(Zjunk\nb"), "s61/0 s62/0 |");
  EXPECT_EQ(readJis(kToKanji + "\x30\x21" + kEsc + "$Xjunk\n\x30\x22"), "d3021/1 d3022/1 |");
  EXPECT_EQ(readJis(kEsc + "&@" + kEsc + "$Ajunk\nb"), "s62/0 |");
  EXPECT_EQ(readJis(kEsc + "$(Ejunk\nb"), "s62/0 |");
}

TEST(Iso2022JpReader, EndOfDataAnywhereGivesEndState) {
  for (const std::string& bytes :
       {kEsc, kEsc + "$", kEsc + "$(", kEsc + "&@" + kEsc, kToKanji + "\x30", std::string("\x0e")}) {
    MemoryFile file(bytes);
    Iso2022JpReader reader(file);
    EXPECT_FALSE(reader.nextToken());
    EXPECT_EQ(reader.state(), Iso2022JpReader::State::End);
    EXPECT_FALSE(reader.nextToken());
  }
}

TEST(Iso2022JpReader, StepBackRereadsKanjiInKanjiState) {
  MemoryFile file(kToKanji + "\x30\x21\x30\x22");
  Iso2022JpReader reader(file);
  EXPECT_EQ(describe(reader, 1), "d3021/1 ");
  reader.stepBack(2);
  EXPECT_EQ(describe(reader), "d3021/1 d3022/1 |");
}

// Collects what a reader reports about dropped input.
class Recorder : public ReaderObserver {
 public:
  void dataEnded(int64_t offset, int byte) override {
    events += "end@" + std::to_string(offset) + ":" + std::to_string(byte) + " ";
  }
  void lineSkipped(int64_t offset, uint8_t byte, int64_t length) override {
    events += "skip@" + std::to_string(offset) + ":" + std::to_string(byte) + "+" +
              std::to_string(length) + " ";
  }
  std::string events;
};

TEST(ReaderObserver, ToldWhereAndWhyInputWasDropped) {
  Recorder recorder;
  MemoryFile gb("ab\tc");
  GbReader gbReader(gb);
  gbReader.setObserver(&recorder);
  describe(gbReader);
  describe(gbReader);
  EXPECT_EQ(recorder.events, "end@2:9 ");

  recorder.events.clear();
  MemoryFile jis("a\r\nb\tcd\n");
  Iso2022JpReader jisReader(jis);
  jisReader.setObserver(&recorder);
  describe(jisReader);
  EXPECT_EQ(recorder.events, "skip@1:13+2 skip@4:9+4 ");
}

}  // namespace
}  // namespace morvane
