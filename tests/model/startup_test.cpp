#include <gtest/gtest.h>

#include "model/project_name.h"
#include "model/sdk_search.h"
#include "model/settings.h"
#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace kelvad {
namespace {

class CountingView : public SdkSearchView {
 public:
  void Searching(const std::string& status) override { statuses.push_back(status); }
  void Round(int) override { ++rounds; }
  std::vector<std::string> statuses;
  int rounds = 0;
};

// Drives C to Z are searched for the ER5 emulator, one round a drive, and
// only then, if none has it, for the earlier one.
TEST(SdkSearch, Er5FirstThenEarlierSdkOnDrivesCToZ) {
  const std::string none = "Unable to detect the EPOC C++ SDK. It must be installed on a fixed hard drive or network drive";
  struct Case {
    const char* what;
    std::vector<std::pair<char, const char*>> drives;  // and the emulator each holds, if any
    int release;
    char drive;
    int rounds;
    std::string text;
  } cases[] = {
      {"ER5 wins over an earlier SDK on an earlier drive", {{'d', "wsexe.exe"}, {'f', "epoc.exe"}}, 5, 'f', 24,
       "Found EPOC ER5 SDK on F:\\"},
      {"the first letter wins; case is ignored", {{'e', "EPOC.EXE"}, {'g', "epoc.exe"}}, 5, 'e', 24,
       "Found EPOC ER5 SDK on E:\\"},
      {"the earlier SDK without ER5", {{'c', "WSEXE.exe"}}, 3, 'c', 48, "Found pre-ER5 EPOC SDK on C:\\"},
      {"nothing", {{'c', nullptr}}, 0, 0, 48, none},
      {"drives A and B are never searched", {{'a', "epoc.exe"}, {'b', "epoc.exe"}}, 0, 0, 48, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileSystem fs;
    DosDrives drives(fs, {});
    for (const auto& [letter, emulator] : c.drives) {
      const std::string root = std::string("/drive_") + letter, dir = root + "/epoc32/release/wins/deb";
      fs.MakeDirectories(emulator ? dir : root);
      if (emulator) fs.Write(dir + "/" + emulator, "");
      drives.Map(letter, root);
    }
    CountingView view;
    SdkLocation found = SearchForSdk(drives, &view);
    EXPECT_EQ(found.release, c.release);
    EXPECT_EQ(found.drive, c.drive);
    EXPECT_EQ(view.rounds, c.rounds);
    if (c.rounds == 48) EXPECT_EQ(view.statuses.back(), "ER5 Not found. Searching for earlier EPOC SDK ...");
    EXPECT_EQ(SdkSearchResultText(found), c.text);
  }
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

TEST(SettingsRecord, ProjectDriveAndDirectory) {
  Settings s;
  EXPECT_EQ(s.ProjectDirectory(), "c:\\ProjectX");
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
