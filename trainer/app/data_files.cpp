// Search folders, font files per encoding and lesson display names.
#include "app/data_files.h"

namespace morvane {

namespace {

// The non-empty pieces between separators, as a tokenizer splits them.
std::vector<std::wstring> pieces(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> result;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::wstring::npos) end = text.size();
    if (end > start) result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

}  // namespace

std::vector<std::wstring> searchFolderList(const std::vector<std::wstring>& cardNames) {
  std::vector<std::wstring> folders = {L"\\Windows", L"\\Program Files\\Kelvaro", L"\\Kelvaro"};
  for (size_t i = 0; i < cardNames.size() && i < kMaxStorageCards; ++i) {
    const std::wstring card = L"\\" + cardNames[i];
    folders.push_back(card);
    folders.push_back(card + L"\\Kelvaro");
    folders.push_back(card + L"\\Program Files\\Kelvaro");
  }
  return folders;
}

FontFiles fontFilesFor(EncodingCode code) {
  switch (code) {
    case EncodingCode::EucJp:
    case EncodingCode::Iso2022Jp:
      return {L"kanji24.hbf", L"jis16.hbf"};
    case EncodingCode::Big5:
      return {L"dxib5p.hbf", L"dxib5p.hbf"};
    case EncodingCode::EucKr:
      return {L"uwksc-16.hbf", L"uwksc-16.hbf"};
    default:
      return {L"dxi24.hbf", L"dxi24.hbf"};
  }
}

const StrokeDatabases* strokeDatabasesFor(EncodingCode code) {
  if (code == EncodingCode::Gb || code == EncodingCode::Sjs || code == EncodingCode::Unicode) {
    return &kSimplifiedDatabases;
  }
  return code == EncodingCode::Big5 ? &kTraditionalDatabases : nullptr;
}

std::wstring lessonDisplayName(const std::wstring& path) {
  const std::vector<std::wstring> folders = pieces(path, L'\\');
  if (folders.empty()) return L"";
  const std::vector<std::wstring> parts = pieces(folders.back(), L'.');
  return parts.empty() ? L"" : parts.front();
}

}  // namespace morvane
