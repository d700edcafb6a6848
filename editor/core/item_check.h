// Which characters a lesson file can carry in each field, and the repair of
// items that hold others.
#pragma once

#include "core/editor_item.h"

namespace quillmark {

// False if the Hanzi holds a character below U+0100, or the reading or the
// meaning holds a character other than TAB and U+0020..U+00FF, or ends in "/".
bool checkItem(const EditorItem& item);

// Hanzi characters below U+0100 become U+FF1F. In the reading and the meaning,
// U+FF0F and control characters (but TAB) become "/", characters above U+00FF
// become "?", and then one trailing "/" is removed. The result may still fail
// checkItem (a field that ended in two "/").
void fixItem(EditorItem& item);

}  // namespace quillmark
