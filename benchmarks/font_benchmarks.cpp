// HBF glyph reads: random GB 2312 codes of "dxi24.hbf", as the trainer draws
// a lesson's characters. The fonts come from the main job (MORVANE_FONT_DIR).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "data_files.h"
#include "platform/message_box.h"
#include "platform/utf8.h"
#include "ui/hbf_font.h"

namespace morvane::bench {

namespace {

class SilentReporter : public MessageReporter {
 public:
  void show(const std::wstring&, const std::wstring&) override {}
};

void BM_HbfGlyphReads(benchmark::State& state) {
  const std::string folder = dataFolder();
  SilentReporter silent;
  HbfFont* font = folder.empty() ? nullptr : HbfFont::Open(fromUtf8(folder + "/dxi24.hbf"), silent);
  if (!font) {
    state.SkipWithError("no dxi24.hbf in MORVANE_FONT_DIR (build the fonts with scripts/run.sh)");
    return;
  }
  const std::vector<uint16_t> codes = randomGbHanzi(4096);
  std::vector<uint8_t> glyph(font->GlyphBytes());
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(font->GetBitmap(codes[next], glyph.data()));
    next = (next + 1) % codes.size();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  font->Close();
}

}  // namespace

}  // namespace morvane::bench

BENCHMARK(morvane::bench::BM_HbfGlyphReads);
