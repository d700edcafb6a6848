// Where the desktop finds the help the handheld's viewer would show: a page
// of the same name, with ".html" for the viewer's ".htc", beside the program.
#pragma once

#include <string>

namespace morvane::device {

// The page for help file `helpFile` ("morvanechs.htc") of the program at
// modulePath: its folder, then the file's name with ".html".
std::wstring helpPagePath(const std::wstring& modulePath, const std::wstring& helpFile);

}  // namespace morvane::device
