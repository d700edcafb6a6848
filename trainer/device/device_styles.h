// Window styles only the handheld knows; usable from resource scripts.
#pragma once

// A dialog with an OK button in its title bar (see caption_ok.h).
#ifndef WS_EX_CAPTIONOKBTN
#define WS_EX_CAPTIONOKBTN 0x80000000L
#endif
