// Push buttons painted as the handheld paints them: the face in the brush
// and text colour that the parent gives for WM_CTLCOLORBTN (a desktop push
// button keeps its grey face whatever the parent answers).
#pragma once

#include <windows.h>

namespace morvane::device {

// Lets a push button take its face colour from its parent.
void paintLikeTheDevice(HWND button);

}  // namespace morvane::device
