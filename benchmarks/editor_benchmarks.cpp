// The editor core's load and save of a 100,000-line lesson (in memory, with a
// stand-in for code page 936 that keeps every byte pair as one character).
#include <benchmark/benchmark.h>

#include <string>

#include "core/lesson_file.h"
#include "editor_test_support.h"
#include "generated_lesson.h"

namespace morvane::bench {

namespace {

const int kLines = 100000;

// Bytes below 0x80 as themselves, each pair from 0x80 up as one character.
class PairCodec : public quillmark::TextCodec {
 public:
  bool encode(const std::wstring& text, std::string& out) const override {
    for (wchar_t c : text) {
      if (c < 0x80) {
        out += static_cast<char>(c);
      } else {
        out += static_cast<char>(c >> 8);
        out += static_cast<char>(c & 0xFF);
      }
    }
    return true;
  }
  std::wstring decode(const std::string& bytes) const override {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
      unsigned char b = static_cast<unsigned char>(bytes[i]);
      if (b < 0x80 || i + 1 == bytes.size()) {
        text += static_cast<wchar_t>(b);
      } else {
        text += static_cast<wchar_t>(b << 8 | static_cast<unsigned char>(bytes[++i]));
      }
    }
    return text;
  }
};

void BM_EditorLoad(benchmark::State& state) {
  const std::string bytes = generatedLesson(EncodingCode::Gb, kLines);
  PairCodec codec;
  for (auto _ : state) {
    quillmark::fakes::StringSource source(bytes);
    quillmark::LoadedLesson lesson = quillmark::loadLessonFile(source, codec, kLines);
    if (lesson.items.size() != static_cast<size_t>(kLines)) state.SkipWithError("lines were lost");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

void BM_EditorSave(benchmark::State& state) {
  const std::string bytes = generatedLesson(EncodingCode::Gb, kLines);
  PairCodec codec;
  quillmark::fakes::StringSource source(bytes);
  quillmark::LoadedLesson lesson = quillmark::loadLessonFile(source, codec, kLines);
  for (auto _ : state) {
    quillmark::WrittenLesson written = quillmark::writeLessonFile(lesson.items, codec);
    benchmark::DoNotOptimize(written.bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

}  // namespace

}  // namespace morvane::bench

BENCHMARK(morvane::bench::BM_EditorLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(morvane::bench::BM_EditorSave)->Unit(benchmark::kMillisecond);
