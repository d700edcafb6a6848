// An in-memory device for the chooser's tests: folders of named entries,
// searched with "*" and "*.ext" patterns as the device's file system does.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "chooser/device_files.h"

namespace morvane::fakes {

class FakeDeviceFiles : public DeviceFiles {
 public:
  // Adds a file (and the folders above it) at a device path such as
  // "\My Documents\Lessons\b.gb".
  void addFile(const std::wstring& path) { addEntry(path, false); }
  void addFolder(const std::wstring& path) { addEntry(path, true); }
  // A file with the hidden attribute, such as a lesson's progress file.
  void addHiddenFile(const std::wstring& path) { addEntry(path, false, true); }

  std::wstring personalFolder() override { return personal; }
  std::vector<std::wstring> storageCards() override { return cards; }
  std::vector<FolderEntry> find(const std::wstring& search) override;
  bool isDirectory(const std::wstring& path) override;

  std::wstring personal = L"\\My Documents";
  std::vector<std::wstring> cards;

 private:
  void addEntry(const std::wstring& path, bool isDirectory, bool isHidden = false);

  // Folder path -> its entries in the order they were added.
  std::map<std::wstring, std::vector<FolderEntry>> folders_;
};

}  // namespace morvane::fakes
