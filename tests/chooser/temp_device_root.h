// A device root of its own for a Windows test: device paths such as
// "\My Documents\a.gb" become files under a fresh temporary folder.
#pragma once

#include <string>

namespace morvane::fakes {

class TempDeviceRoot {
 public:
  TempDeviceRoot();
  ~TempDeviceRoot();
  TempDeviceRoot(const TempDeviceRoot&) = delete;
  TempDeviceRoot& operator=(const TempDeviceRoot&) = delete;

  // The host folder that stands for the device's "\".
  const std::wstring& root() const { return root_; }
  // Writes a file at a device path, creating the folders above it.
  void addFile(const std::wstring& devicePath, const std::string& bytes = "x");

 private:
  std::wstring root_;
};

}  // namespace morvane::fakes
