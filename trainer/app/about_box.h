// The About box (dialog 109), modal over its owner.
#pragma once

#include <windows.h>

namespace morvane {

// Runs the About box centred over owner until OK (or the close box).
void runAboutBox(HWND owner, HINSTANCE instance);

}  // namespace morvane
