// The chooser's view of the device through the device stand-in layer: its
// personal folder, its storage cards and its files under the device root.
#pragma once

#include <string>
#include <vector>

#include "chooser/device_files.h"

namespace morvane {

class DeviceLayerFiles : public DeviceFiles {
 public:
  std::wstring personalFolder() override;
  std::vector<std::wstring> storageCards() override;
  std::vector<FolderEntry> find(const std::wstring& search) override;
  bool isDirectory(const std::wstring& path) override;
};

}  // namespace morvane
