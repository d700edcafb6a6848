// Shared helpers of the font tests: a message reporter that records, a
// scratch folder, and builders of HBF descriptions and bitmap files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_box.h"
#include "ui/hbf_font.h"

namespace morvane::test {

class RecordingReporter : public MessageReporter {
 public:
  void show(const std::wstring& text, const std::wstring& title) override {
    messages.emplace_back(text, title);
  }
  // The only message shown, or "" when none or several were.
  std::wstring only() const { return messages.size() == 1 ? messages[0].first : L""; }
  std::vector<std::pair<std::wstring, std::wstring>> messages;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  std::wstring path(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

struct FontCloser {
  void operator()(HbfFont* f) const { f->Close(); }
};
using FontPtr = std::unique_ptr<HbfFont, FontCloser>;

// The required header lines of a description with a w × h glyph box.
std::string hbfHeader(int w = 16, int h = 16);
// A whole description: header, then extra lines (optional blocks), then the
// code range lines, then the end, every line ended by "\n".
std::string hbfFont(const std::vector<std::string>& codeRanges, const std::string& extra = "",
                    int w = 16, int h = 16);

// ASCII text as a wide string.
std::wstring fromAscii(const std::string& text);

// count glyphs of `bytes` bytes each; byte j of glyph k is (k * 7 + j) mod 256,
// so every glyph differs from its neighbours.
std::string glyphData(int count, int bytes);

}  // namespace morvane::test
