// HbfCharFont: a CharFont drawn from an HBF font, each glyph stretched onto the
// screen through a 1-bit top-down DIB section (black is palette entry 0).
#pragma once

#include <memory>
#include <string>

#include "ui/char_font.h"
#include "ui/hbf_font.h"

namespace morvane {

class HbfCharFont : public CharFont {
 public:
  // Opens the font at path; test IsOpen afterwards. A malformed font has been
  // reported by HbfFont; a missing one silently leaves IsOpen 0.
  explicit HbfCharFont(const std::wstring& path,
                       MessageReporter& reporter = platformReporter());
  ~HbfCharFont() override;
  HbfCharFont(const HbfCharFont&) = delete;
  HbfCharFont& operator=(const HbfCharFont&) = delete;

  void DrawString(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                  int align) override;
  const uint8_t* GetGlyph(const CharToken& token) override;
  void DrawStringScrolled(HDC hdc, int x, int y, int w, int h, const CharString* chars, int align,
                          int offset) override;
  void DrawStringNatural(HDC hdc, int x, int y, const CharString* chars, int align) override;
  void DrawChar(HDC hdc, int x, int y, int w, int h, const CharToken& token) override;
  void DrawCharNatural(HDC hdc, int x, int y, const CharToken& token) override;
  int CharHeight() override { return glyphHeight; }
  int CharWidth() override { return glyphWidth; }
  void DrawStringWithMarks(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                           const uint8_t* marks, int align, int markHeight, int offset) override;
  void DrawStringNaturalScrolled(HDC hdc, int x, int y, const CharString* chars, int align,
                                 int offset) override;

  int32_t glyphWidth = 0;
  int32_t glyphHeight = 0;
  HbfFont* font = nullptr;
  uint8_t* dibBits = nullptr;
  std::unique_ptr<uint8_t[]> glyph;  // height × ((width + 7) / 8) bytes
  HBITMAP dib = nullptr;
  HDC memoryDc = nullptr;
  std::unique_ptr<BITMAPINFO, void (*)(BITMAPINFO*)> bitmapInfo{nullptr, nullptr};
};

}  // namespace morvane
