// The folders Multi-Open looks in: the personal folder, "\My Documents" and
// the documents folders of the storage cards.
#pragma once

#include <string>
#include <vector>

#include "chooser/device_files.h"

namespace morvane {

// The device's documents folder.
inline const wchar_t kMyDocuments[] = L"\\My Documents";

// personal: the personal folder as the device reports it (normally
// "\My Documents"); cards: the storage cards' folder names ("Storage Card").
// For each card: "\" + card + personal, then "\card\My Documents" when the
// personal folder is another one.
std::vector<std::wstring> buildDefaultFolders(const std::wstring& personal,
                                              const std::vector<std::wstring>& cards);

// The same from what the device reports.
inline std::vector<std::wstring> buildDefaultFolders(DeviceFiles& device) {
  return buildDefaultFolders(device.personalFolder(), device.storageCards());
}

}  // namespace morvane
