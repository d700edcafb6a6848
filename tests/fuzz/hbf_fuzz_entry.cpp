// Fuzz entry of the HBF reader: the input is a description file, read from
// memory beside a small fixed bitmap file "g.bin"; every range it declares is
// then read.
#include <memory>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "memory_file_system.h"
#include "ui/hbf_font.h"

namespace morvane::testing {

namespace {

class SilentReporter : public MessageReporter {
 public:
  void show(const std::wstring&, const std::wstring&) override {}
};

struct FontCloser {
  void operator()(HbfFont* font) const { font->Close(); }
};

// 64 glyphs of 32 bytes, each byte different from its neighbours.
std::string bitmapFile() {
  std::string data(64 * 32, 0);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 / 3);
  return data;
}

}  // namespace

int fuzzHbfDescription(const uint8_t* data, size_t size) {
  static const std::string bitmaps = bitmapFile();
  MemoryFileSystem fs;
  ScopedFileSystem use(fs);
  fs.put(L"g.bin", bitmaps);
  fs.put(L"f.hbf", std::string(reinterpret_cast<const char*>(data), size));
  SilentReporter silent;
  std::unique_ptr<HbfFont, FontCloser> font(HbfFont::Open(L"f.hbf", silent));
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

}  // namespace morvane::testing
