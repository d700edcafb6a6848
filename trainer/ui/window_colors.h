// The handheld's "static area" system colour. Desktop Windows has no
// COLOR_STATIC, so there the button face colour, which plays the same part,
// stands in for it.
#pragma once

#include <windows.h>

namespace morvane {

#ifdef COLOR_STATIC
constexpr int kStaticColorIndex = COLOR_STATIC;
#else
constexpr int kStaticColorIndex = COLOR_BTNFACE;
#endif

// The colour of static areas (status line, canvas buttons strip).
inline COLORREF StaticColor() { return GetSysColor(kStaticColorIndex); }

// A system brush of that colour; system brushes are never deleted, which
// suits window class backgrounds that outlive any one window.
inline HBRUSH StaticBrush() { return GetSysColorBrush(kStaticColorIndex); }

}  // namespace morvane
