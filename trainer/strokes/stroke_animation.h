// The stroke-order animation started by a tap on a character display: the
// character's cells painted one by one, in place over the tapped glyph or in
// a small modal popup near the top of the screen. Win32; runs synchronously.
#pragma once

#include <windows.h>

#include <cstdint>

namespace morvane {

class TappableJpnDisplay;

// Shows the stroke order of the character whose code is `code` (four
// lower-case hexadecimal digits), looked up in the stroke databases of
// searchFolders, and returns once the last cell is painted. (left, top,
// right, bottom) is the glyph in the display's coordinates; delay the pause
// before each cell in milliseconds. large chooses the popup (the large
// record, or the small one when the character has no large record) over
// painting the small record in place. Nothing is shown for a character
// without stroke data. A call made while an animation runs returns at once,
// and the animation stops early if the display's window goes away.
void animateStrokes(TappableJpnDisplay& display, const wchar_t* code, int32_t left, int32_t top,
                    int32_t right, int32_t bottom, uint32_t delay, int32_t large);

}  // namespace morvane
