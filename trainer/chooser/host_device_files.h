// The chooser's view of the device on a desktop: device paths are folders
// under a root on the host (the device root, or a test's own folder).
#pragma once

#include <string>
#include <vector>

#include "chooser/device_files.h"

namespace morvane {

class HostDeviceFiles : public DeviceFiles {
 public:
  // root: the host folder that stands for the device's "\" ("C:" on a desktop).
  explicit HostDeviceFiles(std::wstring root) : root_(std::move(root)) {}

  std::wstring personalFolder() override;
  std::vector<std::wstring> storageCards() override;
  std::vector<FolderEntry> find(const std::wstring& search) override;
  bool isDirectory(const std::wstring& path) override;

 private:
  std::wstring hostPath(const std::wstring& devicePath) const { return root_ + devicePath; }

  std::wstring root_;
};

// The device root of this installation: the drive the program lies on.
std::wstring installedDeviceRoot();

}  // namespace morvane
