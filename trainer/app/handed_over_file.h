// The file a second start hands over: the registry value "ToOpen" under
// HKEY_CURRENT_USER\Software\MorvaneCHS, left in place once read.
#pragma once

#include <optional>
#include <string>

namespace morvane {

// The path stored in "ToOpen"; none when the key or value is missing, empty
// or not a string.
std::optional<std::wstring> readHandedOverPath();

}  // namespace morvane
