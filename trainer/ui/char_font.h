// CharFont: the character font the display windows draw lesson text with,
// and CharString, the text they draw. Win32 GDI.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/ptr_array.h"
#include "lesson/char_token.h"
#include "ui/fitting.h"

namespace morvane {

// Lesson text: pointers to CharToken cells, never owned.
using CharString = PtrArray;

// The virtual operations keep a fixed slot order; derived fonts append theirs
// after these. Strings may be none (drawn as empty); marks hold one byte per
// character (bit 0: stroke data present, bit 1: feedback data present).
class CharFont {
 public:
  virtual ~CharFont() = default;
  // DrawStringScrolled with no scrolling.
  virtual void DrawString(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                          int align) = 0;
  // Natural width in pixels: cells plus an eighth of a cell between neighbours.
  virtual int TextWidth(const CharString* chars);
  virtual int Reserved1() { return 0; }
  // Non-zero once a font has been opened.
  virtual int IsOpen() { return isOpen; }
  virtual int Reserved2() { return 0; }
  virtual int Reserved3() { return 0; }
  // The glyph bitmap of a double-byte token (rows, 0 bits ink); none for a
  // single-byte token.
  virtual const uint8_t* GetGlyph(const CharToken& token) = 0;
  // The string fitted and scaled into the box (x, y, w, h), shifted right by
  // offset pixels when not centred.
  virtual void DrawStringScrolled(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                                  int align, int offset) = 0;
  // The string in a box of one natural cell.
  virtual void DrawStringNatural(HDC hdc, int x, int y, const CharString* chars, int align) = 0;
  // One character stretched into the cell (x, y, w, h).
  virtual void DrawChar(HDC hdc, int x, int y, int w, int h, const CharToken& token) = 0;
  // One character at its natural size.
  virtual void DrawCharNatural(HDC hdc, int x, int y, const CharToken& token) = 0;
  virtual int CharHeight() = 0;
  virtual int CharWidth() = 0;
  // As DrawStringScrolled, leaving markHeight pixels below the cells for a
  // small cross under each character whose kind of data is missing.
  virtual void DrawStringWithMarks(HDC hdc, int x, int y, int w, int h, const CharString* chars,
                                   const uint8_t* marks, int align, int markHeight,
                                   int offset) = 0;
  // DrawStringNatural with scrolling.
  virtual void DrawStringNaturalScrolled(HDC hdc, int x, int y, const CharString* chars,
                                         int align, int offset) = 0;

  // Where DrawStringScrolled puts character index of a count-character string
  // in the box, without scrolling.
  RECT GetCharRect(int index, int x, int y, int w, int h, int count, int align);
  // The first character whose rectangle holds the point (edges included), or -1.
  int HitTest(int px, int py, int x, int y, int w, int h, int count, int align);

  int32_t isOpen = 0;

 protected:
  // The fit of a count-character string whose characters start at leftStart
  // unless centred; usableHeight excludes margins and marks.
  StringFit fit(int x, int y, int w, int usableHeight, int count, int align, int leftStart);
};

// Number of characters in a string that may be none.
int charCount(const CharString* chars);
// Token i of a string; an empty token for a missing cell.
const CharToken& tokenAt(const CharString* chars, int i);

}  // namespace morvane
