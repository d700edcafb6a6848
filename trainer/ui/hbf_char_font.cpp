// HbfCharFont: glyphs from an HbfFont, stretched onto the screen with GDI.
#include "ui/hbf_char_font.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace morvane {

namespace {

// Every cell single-byte (or none at all): the text goes through DrawTextW.
bool isPlainText(const CharString* chars) {
  for (int i = 0; i < charCount(chars); ++i) {
    if (tokenAt(chars, i).first != 0) return false;
  }
  return true;
}

UINT plainTextFormat(int align) {
  switch (align) {
    case kAlignCentre: return DT_VCENTER | DT_CENTER;
    case kAlignRight: return DT_VCENTER | DT_RIGHT;
    default: return DT_VCENTER | DT_LEFT;
  }
}

// The low bytes of the cells as characters 0 to 255, in the device context's font.
void drawPlainText(HDC hdc, const CharString* chars, RECT box, int align) {
  std::wstring text;
  for (int i = 0; i < charCount(chars); ++i) text += static_cast<wchar_t>(tokenAt(chars, i).second);
  DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &box, plainTextFormat(align));
}

void drawSegment(HDC hdc, int x0, int y0, int x1, int y1) {
  POINT line[2] = {{x0, y0}, {x1, y1}};
  Polyline(hdc, line, 2);
}

// A small X at j above the mark line m, with a grey shadow one pixel to the
// lower right.
void drawCross(HDC hdc, int j, int m, COLORREF colour) {
  HPEN shadow = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ previous = SelectObject(hdc, shadow);
  drawSegment(hdc, j + 1, m - 6, j + 6, m - 1);
  drawSegment(hdc, j + 6, m - 6, j + 1, m - 1);
  SelectObject(hdc, previous);
  DeleteObject(shadow);

  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  previous = SelectObject(hdc, pen);
  drawSegment(hdc, j, m - 7, j + 5, m - 2);
  drawSegment(hdc, j + 5, m - 7, j, m - 2);
  SelectObject(hdc, previous);
  DeleteObject(pen);
}

void freeBitmapInfo(BITMAPINFO* info) { std::free(info); }

}  // namespace

HbfCharFont::HbfCharFont(const std::wstring& path, MessageReporter& reporter) {
  font = HbfFont::Open(path, reporter);
  if (!font) return;
  isOpen = 1;
  glyphWidth = font->bitmapBox.width;
  glyphHeight = font->bitmapBox.height;
  // Room for the whole delivered glyph, whatever the width.
  glyph.reset(new uint8_t[font->GlyphBytes()]());

  auto* info = static_cast<BITMAPINFO*>(std::calloc(1, sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD)));
  bitmapInfo = {info, freeBitmapInfo};
  BITMAPINFOHEADER& header = info->bmiHeader;
  header.biSize = 40;
  header.biWidth = glyphWidth;
  header.biHeight = -glyphHeight;
  header.biPlanes = 1;
  header.biBitCount = 1;
  header.biCompression = BI_RGB;
  RGBQUAD* palette = info->bmiColors;
  palette[1].rgbRed = palette[1].rgbGreen = palette[1].rgbBlue = 255;
  void* bits = nullptr;
  dib = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dibBits = static_cast<uint8_t*>(bits);
  memoryDc = CreateCompatibleDC(nullptr);
}

HbfCharFont::~HbfCharFont() {
  if (!isOpen) return;
  DeleteObject(dib);
  DeleteDC(memoryDc);
  font->Close();
}

void HbfCharFont::DrawString(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                             int align) {
  DrawStringScrolled(hdc, x, y, w, h, chars, align, 0);
}

const uint8_t* HbfCharFont::GetGlyph(const CharToken& token) {
  if (token.first == 0 || !font) return nullptr;
  font->ReadGlyph(token.code(), glyph.get());
  return glyph.get();
}

void HbfCharFont::DrawStringScrolled(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                                     int align, int offset) {
  if (isPlainText(chars)) {
    drawPlainText(hdc, chars, RECT{x + 4, y + 3, x + w - 4, y + h - 3}, align);
    return;
  }
  const int n = charCount(chars);
  StringFit f = fit(x, y, w, h - 6, n, align, offset + 4);
  for (int i = 0; i < n; ++i) {
    DrawChar(hdc, f.cellLeft(i), f.top, f.cellWidth, f.cellHeight, tokenAt(chars, i));
  }
}

void HbfCharFont::DrawStringNatural(HDC hdc, int x, int y, const CharString* chars, int align) {
  DrawStringScrolled(hdc, x, y, glyphWidth, glyphHeight, chars, align, 0);
}

void HbfCharFont::DrawChar(HDC hdc, int x, int y, int w, int h, const CharToken& token) {
  if (token.first == 0) {
    wchar_t c = token.second;
    RECT cell{x, y, x + w, y + h};
    DrawTextW(hdc, &c, 1, &cell, DT_CENTER | DT_VCENTER);
    return;
  }
  // A font that never opened has nothing to draw with.
  if (!font || !dibBits) return;
  // A glyph that cannot be read keeps the previous one: HbfFont has said why.
  font->ReadGlyph(token.code(), glyph.get());
  const int glyphRow = (glyphWidth + 7) / 8;
  const int dibRow = (glyphWidth + 31) / 32 * 4;
  for (int row = 0; row < glyphHeight; ++row) {
    std::memcpy(dibBits + row * dibRow, glyph.get() + row * glyphRow, glyphRow);
  }
  HGDIOBJ previous = SelectObject(memoryDc, dib);
  StretchBlt(hdc, x, y, w, h, memoryDc, 0, 0, glyphWidth, glyphHeight, SRCCOPY);
  SelectObject(memoryDc, previous);
}

void HbfCharFont::DrawCharNatural(HDC hdc, int x, int y, const CharToken& token) {
  DrawChar(hdc, x, y, glyphWidth, glyphHeight, token);
}

void HbfCharFont::DrawStringWithMarks(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                                      const uint8_t* marks, int align, int markHeight,
                                      int offset) {
  if (isPlainText(chars)) {
    drawPlainText(hdc, chars, RECT{x + 4, y + 3, x + w - 4, y + h - markHeight}, align);
    return;
  }
  const int n = charCount(chars);
  StringFit f = fit(x, y, w, h - markHeight - 3, n, align, offset + 4);
  const int markLine = f.top + f.cellHeight + markHeight;
  const int inset = (f.cellWidth / 2 - 5) / 2;
  for (int i = 0; i < n; ++i) {
    const int cx = f.cellLeft(i);
    DrawChar(hdc, cx, f.top, f.cellWidth, f.cellHeight, tokenAt(chars, i));
    if (!marks) continue;
    if (!(marks[i] & 1)) drawCross(hdc, cx + inset, markLine, RGB(0, 0, 255));
    if (!(marks[i] & 2)) drawCross(hdc, cx + f.cellWidth / 2 + inset, markLine, RGB(255, 102, 0));
  }
}

void HbfCharFont::DrawStringNaturalScrolled(HDC hdc, int x, int y, const CharString* chars,
                                            int align, int offset) {
  DrawStringScrolled(hdc, x, y, glyphWidth, glyphHeight, chars, align, offset);
}

}  // namespace morvane
