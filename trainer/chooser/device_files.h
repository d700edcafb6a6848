// What the file chooser needs of the device: its personal folder, its
// storage cards, and folder searches on device paths ("\My Documents\*.gb").
#pragma once

#include <string>
#include <vector>

namespace morvane {

struct FolderEntry {
  std::wstring name;  // the bare name, without its folder
  bool isDirectory = false;
  // Hidden files, such as the progress files beside lessons, are no lessons.
  bool isHidden = false;
};

class DeviceFiles {
 public:
  virtual ~DeviceFiles() = default;

  // The personal folder (normally "\My Documents").
  virtual std::wstring personalFolder() = 0;

  // The storage cards' folder names ("Storage Card"), at most 20.
  virtual std::vector<std::wstring> storageCards() = 0;

  // The entries a search such as "\My Documents\*.gb" finds, in the order
  // the file system gives them; none when the folder does not exist. "."
  // and ".." are never among them.
  virtual std::vector<FolderEntry> find(const std::wstring& search) = 0;

  // True if path names an existing directory.
  virtual bool isDirectory(const std::wstring& path) = 0;
};

}  // namespace morvane
