// A second start of the trainer hands its lesson to the running copy through
// the registry value "ToOpen" and command 40012, never as a pointer into
// another process.
#pragma once

#include <windows.h>

#include <string>

namespace morvane {

// The lesson path of a command line: surrounding blanks and one pair of
// double quotes removed.
std::wstring lessonPathFromCommandLine(const wchar_t* commandLine);

// When a copy is running: brings it to the front, hands it the path (if
// any) and returns true; the caller then ends.
bool handOverToRunningCopy(const std::wstring& path);

// The "ToOpen" value, terminated even when stored without its zero; empty
// when it is missing or empty.
std::wstring readToOpenValue();

}  // namespace morvane
