#include <gtest/gtest.h>

#include "model/project_name.h"
#include "model/sdk_search.h"
#include "model/settings.h"
#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace kelvad {
namespace {

class SdkDrives : public ::testing::Test {
 protected:
  SdkDrives() : drives(fs, {}) {}
  void Drive(char letter) {
    std::string root = std::string("/drive_") + letter;
    fs.MakeDirectories(root);
    drives.Map(letter, root);
  }
  void Marker(char letter, const std::string& file) {
    Drive(letter);
    std::string dir = std::string("/drive_") + letter + "/epoc32/release/wins/deb";
    fs.MakeDirectories(dir);
    fs.Write(dir + "/" + file, "");
  }
  MemoryFileSystem fs;
  DosDrives drives;
};

class CountingView : public SdkSearchView {
 public:
  void Searching(const std::string& status) override { statuses.push_back(status); }
  void Round(int) override { ++rounds; }
  std::vector<std::string> statuses;
  int rounds = 0;
};

TEST_F(SdkDrives, Er5WinsOverAnEarlierSdkOnAnEarlierDrive) {
  Marker('d', "wsexe.exe");
  Marker('f', "epoc.exe");
  CountingView view;
  SdkLocation found = SearchForSdk(drives, &view);
  EXPECT_EQ(found.release, 5);
  EXPECT_EQ(found.drive, 'f');
  EXPECT_EQ(view.rounds, 24);
  EXPECT_EQ(SdkSearchResultText(found), "Found EPOC ER5 SDK on F:\\");
}

TEST_F(SdkDrives, FirstLetterWinsAndCaseIsIgnored) {
  Marker('e', "EPOC.EXE");
  Marker('g', "epoc.exe");
  EXPECT_EQ(SearchForSdk(drives).drive, 'e');
}

TEST_F(SdkDrives, EarlierSdkWhenNoEr5) {
  Marker('c', "WSEXE.exe");
  CountingView view;
  SdkLocation found = SearchForSdk(drives, &view);
  EXPECT_EQ(found.release, 3);
  EXPECT_EQ(view.rounds, 48);
  EXPECT_EQ(view.statuses.back(), "ER5 Not found. Searching for earlier EPOC SDK ...");
  EXPECT_EQ(SdkSearchResultText(found), "Found pre-ER5 EPOC SDK on C:\\");
}

TEST_F(SdkDrives, NothingFoundRunsBothScans) {
  Drive('c');
  CountingView view;
  SdkLocation found = SearchForSdk(drives, &view);
  EXPECT_EQ(found.release, 0);
  EXPECT_EQ(found.drive, 0);
  EXPECT_EQ(view.rounds, 48);
  EXPECT_EQ(SdkSearchResultText(found),
            "Unable to detect the EPOC C++ SDK. It must be installed on a fixed hard drive or network drive");
}

TEST_F(SdkDrives, DrivesAAndBAreNeverSearched) {
  Marker('a', "epoc.exe");
  Marker('b', "epoc.exe");
  EXPECT_EQ(SearchForSdk(drives).release, 0);
}

TEST(ProjectName, AcceptsPlainNamesWithSpaces) {
  EXPECT_EQ(ProjectNameProblem("ProjectX"), "");
  EXPECT_EQ(ProjectNameProblem("My App 2"), "");
  EXPECT_EQ(ProjectNameProblem("Caf\xC3\xA9"), "");
  EXPECT_EQ(ProjectNameProblem("CONSOLE"), "");
  EXPECT_EQ(ProjectNameProblem("COM0"), "");
}

TEST(ProjectName, RefusesWhatIsNotOnePlainDirectoryName) {
  for (std::string bad : {"", ".", "..", "..\\x", "a/b", "c:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "tab\t",
                          "dot.", "space ", "CON", "con", "Nul.txt", "COM1", "lpt9", "AUX ", "snow\xE2\x98\x83"}) {
    EXPECT_NE(ProjectNameProblem(bad), "") << bad;
  }
}

TEST(ProjectName, ExistingEntryIsFoundIgnoringCase) {
  MemoryFileSystem fs;
  fs.MakeDirectories("/c/projectx");
  DosDrives drives(fs, {{'c', "/c"}});
  EXPECT_TRUE(ProjectEntryExists(drives, 'c', "ProjectX"));
  EXPECT_FALSE(ProjectEntryExists(drives, 'c', "ProjectY"));
  fs.Write("/c/readme", "");
  EXPECT_TRUE(ProjectEntryExists(drives, 'c', "README"));
}

TEST(SettingsRecord, DefaultsAreTheWizardsStartupState) {
  Settings s;
  EXPECT_EQ(s.ProjectDirectory(), "c:\\ProjectX");
  EXPECT_FALSE(s.messaging);
  EXPECT_TRUE(s.doc_revert);
  EXPECT_EQ(s.vc_version, 6);
  s.drive = "d: [DATA]";
  EXPECT_EQ(s.ProjectDrive(), "d:");
  s.name = "";
  EXPECT_EQ(s.ProjectDirectory(), "d:\\");
}

TEST(SettingsRecord, KeysRoundTripThroughTheirTextForm) {
  Settings s;
  for (const auto& info : SettingTable()) {
    std::string text = SettingText(s, info);
    Settings copy;
    ApplySetting(copy, info.key, text);
    EXPECT_EQ(SettingText(copy, info), text) << info.key;
  }
  EXPECT_EQ(SettingTable().size(), 49u);
}

TEST(SettingsRecord, BadKeysAndValuesAreRefused) {
  Settings s;
  EXPECT_THROW(ApplySetting(s, "nmae", "x"), Error);
  EXPECT_THROW(ApplySetting(s, "engine", "yes"), Error);
  EXPECT_THROW(ApplySetting(s, "vc_version", "7"), Error);
  ApplySetting(s, "engine", "false");
  EXPECT_FALSE(s.engine);
  ApplySetting(s, "help_copy_bat", "0");
  EXPECT_FALSE(s.help_copy_bat);
  ApplySetting(s, "vc_version", "4");
  EXPECT_EQ(s.vc_version, 4);
  ApplySetting(s, "name", " spaced ");
  EXPECT_EQ(s.name, " spaced ");
  // A text setting ends up inside lines of generated files.
  const std::string texts[] = {"two\nlines", "cr\r", "tab\t", std::string("nul\0", 4)};
  for (const std::string& text : texts) EXPECT_THROW(ApplySetting(s, "app_name", text), Error) << text;
  EXPECT_EQ(s.app_name, "AppName");
}

}  // namespace
}  // namespace kelvad
