// What the file chooser lists: default folders, scanned files, labels, order.
#include "chooser/chooser_entries.h"

#include <gtest/gtest.h>

#include "chooser/default_folders.h"
#include "fake_device_files.h"

namespace morvane {
namespace {

using Strings = std::vector<std::wstring>;

TEST(DefaultFolders, PersonalFolderThenEachCardsDocuments) {
  EXPECT_EQ(buildDefaultFolders(L"\\My Documents", {}), Strings{L"\\My Documents"});
  EXPECT_EQ(buildDefaultFolders(L"\\My Documents", {L"Storage Card", L"CF Card"}),
            (Strings{L"\\My Documents", L"\\Storage Card\\My Documents",
                     L"\\CF Card\\My Documents"}));
}

TEST(DefaultFolders, AnotherPersonalFolderAlsoGetsMyDocuments) {
  EXPECT_EQ(buildDefaultFolders(L"\\Docs", {L"Storage Card"}),
            (Strings{L"\\Docs", L"\\My Documents", L"\\Storage Card\\Docs",
                     L"\\Storage Card\\My Documents"}));
}

TEST(SubfolderLabel, PadsNameAndFolderToFifteenColumns) {
  EXPECT_EQ(subfolderLabel(L"b.gb", L"Lessons"), L"b.gb            Lessons        ");
  EXPECT_EQ(subfolderLabel(L"b.gb", L"Lessons").size(), 31u);
}

TEST(SubfolderLabel, KeepsLongNamesWhole) {
  const std::wstring name(60, L'n');
  const std::wstring folder(40, L'f');
  EXPECT_EQ(subfolderLabel(name, folder), name + L" " + folder);
  // Exactly fifteen characters need no padding.
  EXPECT_EQ(subfolderLabel(L"fifteen-chars.g", L"x"), L"fifteen-chars.g x              ");
}

class ScanFolders : public testing::Test {
 protected:
  ScanFolders() {
    device.addFile(L"\\My Documents\\a.gb");
    device.addFile(L"\\My Documents\\Lessons\\b.gb");
  }

  fakes::FakeDeviceFiles device;
  ChooserEntries entries;
};

TEST_F(ScanFolders, ListsFilesByNameAndSubfolderFilesWithTheirFolder) {
  entries.scanFolders(device, {L"\\My Documents"}, L"*.gb", true);
  EXPECT_EQ(entries.labels, (Strings{L"a.gb", subfolderLabel(L"b.gb", L"Lessons")}));
  EXPECT_EQ(entries.paths,
            (Strings{L"\\My Documents\\a.gb", L"\\My Documents\\Lessons\\b.gb"}));
}

TEST_F(ScanFolders, WithoutSubfoldersListsOnlyTheFolderItself) {
  entries.scanFolders(device, {L"\\My Documents"}, L"*.gb", false);
  EXPECT_EQ(entries.paths, Strings{L"\\My Documents\\a.gb"});
}

TEST_F(ScanFolders, GoesOnlyOneLevelDeepAndSkipsFoldersThatMatchThePattern) {
  device.addFile(L"\\My Documents\\Lessons\\Old\\c.gb");
  device.addFolder(L"\\My Documents\\Lessons\\d.gb");
  device.addFolder(L"\\My Documents\\e.gb");
  entries.scanFolders(device, {L"\\My Documents"}, L"*.gb", true);
  EXPECT_EQ(entries.paths,
            (Strings{L"\\My Documents\\a.gb", L"\\My Documents\\Lessons\\b.gb"}));
}

TEST_F(ScanFolders, FiltersByPatternAndAllFilesListsEverything) {
  device.addFile(L"\\My Documents\\c.b5");
  device.addFile(L"\\My Documents\\Lessons\\notes.txt");
  entries.scanFolders(device, {L"\\My Documents"}, L"*.b5", true);
  EXPECT_EQ(entries.labels, Strings{L"c.b5"});
  entries.scanFolders(device, {L"\\My Documents"}, L"*.*", true);
  EXPECT_EQ(entries.labels, (Strings{L"a.gb", subfolderLabel(L"b.gb", L"Lessons"), L"c.b5",
                                     subfolderLabel(L"notes.txt", L"Lessons")}));
}

TEST_F(ScanFolders, HiddenProgressFilesAreNotListedUnderAllFiles) {
  device.addHiddenFile(L"\\My Documents\\a.gb.st");
  device.addHiddenFile(L"\\My Documents\\Lessons\\b.gb.st");
  entries.scanFolders(device, {L"\\My Documents"}, L"*.*", true);
  EXPECT_EQ(entries.paths,
            (Strings{L"\\My Documents\\a.gb", L"\\My Documents\\Lessons\\b.gb"}));
}

TEST_F(ScanFolders, ListsTheSubfoldersOfAStorageCardsDocuments) {
  device.addFile(L"\\Storage Card\\My Documents\\HSK\\verbs.gb");
  entries.scanFolders(device, buildDefaultFolders(L"\\My Documents", {L"Storage Card"}), L"*.gb",
                      true);
  EXPECT_EQ(entries.labels, (Strings{L"a.gb", subfolderLabel(L"b.gb", L"Lessons"),
                                     subfolderLabel(L"verbs.gb", L"HSK")}));
  EXPECT_EQ(entries.paths.back(), L"\\Storage Card\\My Documents\\HSK\\verbs.gb");
}

TEST_F(ScanFolders, AMissingFolderAddsNothingAndARescanStartsAfresh) {
  entries.scanFolders(device, {L"\\My Documents"}, L"*.gb", true);
  entries.scanFolders(device, {L"\\Storage Card\\My Documents"}, L"*.gb", true);
  EXPECT_TRUE(entries.labels.empty());
  EXPECT_TRUE(entries.paths.empty());
}

TEST_F(ScanFolders, SortsAcrossFoldersAndMovesPathsWithTheirLabels) {
  device.addFile(L"\\Storage Card\\My Documents\\a.gb");
  device.addFile(L"\\Storage Card\\My Documents\\Z.gb");
  device.addFile(L"\\Storage Card\\My Documents\\m.gb");
  entries.scanFolders(device, buildDefaultFolders(L"\\My Documents", {L"Storage Card"}), L"*.gb",
                      true);
  EXPECT_EQ(entries.labels,
            (Strings{L"Z.gb", L"a.gb", L"a.gb", subfolderLabel(L"b.gb", L"Lessons"), L"m.gb"}));
  // Found in the order: a, b (Lessons), card a, Z, m. The selection sort
  // moves the first "a.gb" back behind the card's.
  EXPECT_EQ(entries.paths,
            (Strings{L"\\Storage Card\\My Documents\\Z.gb", L"\\Storage Card\\My Documents\\a.gb",
                     L"\\My Documents\\a.gb", L"\\My Documents\\Lessons\\b.gb",
                     L"\\Storage Card\\My Documents\\m.gb"}));
}

}  // namespace
}  // namespace morvane
