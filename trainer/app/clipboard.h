// The clipboard calls of the Copy commands. A clipboard that cannot be opened
// or memory that runs out leaves it as it was, silently.
#pragma once

#include <windows.h>

#include "lesson/encoding.h"
#include "base/ptr_array.h"

namespace morvane {

// Replaces the clipboard's contents with a CharString: CF_TEXT holds the
// cells as the lesson stores them, CF_UNICODETEXT their Unicode form.
void copyCellsToClipboard(HWND owner, const PtrArray& cells, EncodingCode encoding);

// Replaces the clipboard's contents with the text a window shows, as
// CF_UNICODETEXT.
void copyWindowTextToClipboard(HWND owner, HWND source);

}  // namespace morvane
