// The default folder list of the file chooser.
#include "chooser/default_folders.h"

namespace morvane {

std::vector<std::wstring> buildDefaultFolders(const std::wstring& personal,
                                              const std::vector<std::wstring>& cards) {
  const bool personalIsMyDocuments = personal == kMyDocuments;
  std::vector<std::wstring> folders{personal};
  if (!personalIsMyDocuments) folders.push_back(kMyDocuments);
  for (const std::wstring& card : cards) {
    // The personal folder begins with its own backslash.
    folders.push_back(L"\\" + card + personal);
    if (!personalIsMyDocuments) folders.push_back(L"\\" + card + kMyDocuments);
  }
  return folders;
}

}  // namespace morvane
