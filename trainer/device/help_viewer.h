// The handheld's help viewer, "peghelp.exe", does not exist on a desktop:
// this opens the help page installed beside the program instead.
#pragma once

namespace morvane::device {

// Stands in for starting "peghelp.exe" with helpFile ("morvanechs.htc"):
// opens the help page in the desktop's viewer for web pages. False, and
// nothing shown, when the page is missing or cannot be opened.
bool startHelpViewer(const wchar_t* helpFile);

}  // namespace morvane::device
