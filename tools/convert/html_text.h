// Anki keeps its fields as HTML: this reduces a field to the text it shows.
#pragma once

#include <string>

namespace morvane {

// Tags are removed; <br> and the ends of blocks (div, p, li, tr) become a
// line break; character references (&amp;, &nbsp;, &#233;, &#xe9;, ...) become
// their characters. A "<" that does not open a tag, and an unknown
// reference, stay as they are.
std::u32string htmlToText(const std::u32string& html);

}  // namespace morvane
