// Scanning folders for the file chooser and sorting what was found.
#include "chooser/chooser_entries.h"

#include "chooser/selection_order.h"

namespace morvane {

namespace {

std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + name;
}

std::wstring padded(const std::wstring& text) {
  std::wstring out = text;
  if (out.size() < kLabelColumnWidth) out.append(kLabelColumnWidth - out.size(), L' ');
  return out;
}

template <typename T>
std::vector<T> permuted(std::vector<T>& items, const std::vector<int32_t>& order) {
  std::vector<T> out;
  out.reserve(items.size());
  for (int32_t index : order) out.push_back(std::move(items[index]));
  return out;
}

}  // namespace

std::wstring subfolderLabel(const std::wstring& name, const std::wstring& subfolder) {
  return padded(name) + L" " + padded(subfolder);
}

void ChooserEntries::scanFolders(DeviceFiles& files, const std::vector<std::wstring>& folders,
                                 const std::wstring& pattern, bool includeSubfolders) {
  labels.clear();
  paths.clear();
  for (const std::wstring& folder : folders) {
    for (const FolderEntry& match : files.find(joinPath(folder, pattern))) {
      if (match.isDirectory || match.isHidden) continue;
      labels.push_back(match.name);
      paths.push_back(joinPath(folder, match.name));
    }
    if (!includeSubfolders) continue;
    for (const FolderEntry& entry : files.find(joinPath(folder, L"*"))) {
      const std::wstring subfolder = joinPath(folder, entry.name);
      if (!files.isDirectory(subfolder)) continue;
      // A folder whose name matches the pattern is no lesson file either.
      for (const FolderEntry& match : files.find(joinPath(subfolder, pattern))) {
        if (match.isDirectory || match.isHidden) continue;
        labels.push_back(subfolderLabel(match.name, entry.name));
        paths.push_back(joinPath(subfolder, match.name));
      }
    }
  }
  sortEntries();
}

void ChooserEntries::sortEntries() {
  const std::vector<int32_t> order = selectionSortOrder(labels);
  labels = permuted(labels, order);
  paths = permuted(paths, order);
}

}  // namespace morvane
