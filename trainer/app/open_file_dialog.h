// "Open...": one lesson file chosen with the platform's file dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace morvane {

// Runs the file dialog over the lesson types, starting in initialFolder, with
// ".gb" added to a name typed without extension. None when it is cancelled.
std::optional<std::wstring> chooseLessonFile(HWND owner, const std::wstring& initialFolder);

}  // namespace morvane
