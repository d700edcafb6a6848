// The HBF reader's fuzz entry point (also libFuzzer's LLVMFuzzerTestOneInput).
#include "hbf_fuzz_entry.h"

#include <string>
#include <vector>

#include "hbf_test_support.h"
#include "ui/hbf_font.h"

namespace morvane::test {

namespace {

class SilentReporter : public MessageReporter {
 public:
  void show(const std::wstring&, const std::wstring&) override {}
};

// One folder for the whole run, holding "g.bin" for descriptions to name.
const ScratchDir& fuzzFolder() {
  static ScratchDir* dir = [] {
    auto* d = new ScratchDir;
    d->write("g.bin", glyphData(64, 32));
    return d;
  }();
  return *dir;
}

}  // namespace

int fuzzHbfDescription(const uint8_t* data, size_t size) {
  const ScratchDir& dir = fuzzFolder();
  dir.write("f.hbf", std::string(reinterpret_cast<const char*>(data), size));
  SilentReporter silent;
  FontPtr font(HbfFont::Open(dir.path("f.hbf"), silent));
  if (!font) return 0;
  std::vector<uint16_t> codes = {0, 0xFFFF, 0xA1A1};
  for (const HbfCodeRange& r : font->codeRanges) {
    codes.push_back(r.first);
    codes.push_back(r.last);
    codes.push_back(static_cast<uint16_t>(r.first + (r.last - r.first) / 2));
  }
  std::vector<uint8_t> buffer(font->GlyphBytes());
  for (uint16_t code : codes) {
    font->GetBitmap(code, buffer.data());
    font->GetBitmap(code, nullptr);
  }
  font->GetProperty(L"FONT");
  return 0;
}

}  // namespace morvane::test

// libFuzzer's name for the same entry point.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return morvane::test::fuzzHbfDescription(data, size);
}
