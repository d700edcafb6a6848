// Helpers shared by the font tests.
#include "hbf_test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>

namespace morvane::test {

ScratchDir::ScratchDir() {
  static std::atomic<int> serial{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  root_ = std::filesystem::temp_directory_path() /
          ("hbf-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
  std::filesystem::create_directories(root_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::wstring ScratchDir::path(const std::string& name) const { return (root_ / name).wstring(); }

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(root_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string hbfHeader(int w, int h) {
  std::string box = std::to_string(w) + " " + std::to_string(h) + " 0 -2\n";
  return "HBF_START_FONT 1.1\n"
         "HBF_CODE_SCHEME GB2312-1980\n"
         "FONT test-font\n"
         "SIZE 16 75 75\n"
         "HBF_BITMAP_BOUNDING_BOX " + box +
         "FONTBOUNDINGBOX " + box;
}

std::string hbfFont(const std::vector<std::string>& codeRanges, const std::string& extra, int w,
                    int h) {
  std::string text = hbfHeader(w, h) + extra + "HBF_START_CODE_RANGES\n";
  for (const std::string& line : codeRanges) text += line + "\n";
  return text + "HBF_END_CODE_RANGES\nHBF_END_FONT\n";
}

std::wstring fromAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::string glyphData(int count, int bytes) {
  std::string data;
  for (int k = 0; k < count; ++k) {
    for (int j = 0; j < bytes; ++j) data += static_cast<char>((k * 7 + j) & 0xFF);
  }
  return data;
}

}  // namespace morvane::test
