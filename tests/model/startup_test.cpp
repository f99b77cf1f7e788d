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
  void Round(int) override { ++rounds; }
  int rounds = 0;
};

// Drives C to Z are searched for the ER5 emulator and only then, if none has
// it, for the earlier one; each scan takes a round a drive, also after a find.
TEST(SdkSearch, Er5FirstThenEarlierSdkOnDrivesCToZ) {
  struct Case {
    std::vector<std::pair<char, const char*>> drives;  // and the emulator each holds
    int rounds;
    std::string text;
  } cases[] = {
      {{{'d', "wsexe.exe"}, {'f', "epoc.exe"}}, 24, "Found EPOC ER5 SDK on F:\\"},  // ER5 wins over an earlier drive
      {{{'c', "EPOC.EXE"}, {'g', "epoc.exe"}}, 24, "Found EPOC ER5 SDK on C:\\"},   // the first letter; case ignored
      {{{'z', "WSEXE.exe"}}, 48, "Found pre-ER5 EPOC SDK on Z:\\"},
      {{{'a', "epoc.exe"}, {'b', "epoc.exe"}}, 48,
       "Unable to detect the EPOC C++ SDK. It must be installed on a fixed hard drive or network drive"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    MemoryFileSystem fs;
    DosDrives drives(fs, {});
    for (const auto& [letter, emulator] : c.drives) {
      const std::string root = std::string("/drive_") + letter;
      fs.MakeDirectories(root + "/epoc32/release/wins/deb");
      fs.Write(root + "/epoc32/release/wins/deb/" + emulator, "");
      drives.Map(letter, root);
    }
    CountingView view;
    EXPECT_EQ(SdkSearchResultText(SearchForSdk(drives, &view)), c.text);
    EXPECT_EQ(view.rounds, c.rounds);
  }
}

TEST(ProjectName, OnePlainDirectoryNameOnly) {
  for (const char* good : {"ProjectX", "My App 2", "Caf\xC3\xA9", "CONSOLE", "COM0"}) {
    EXPECT_EQ(ProjectNameProblem(good), "") << good;
  }
  for (std::string bad : {"", ".", "..", "..\\x", "a/b", "c:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "tab\t",
                          "dot.", "space ", "CON", "con", "Nul.txt", "COM1", "lpt9", "AUX ", "snow\xE2\x98\x83"}) {
    EXPECT_NE(ProjectNameProblem(bad), "") << bad;
  }
}

// Checks read 1/0 or true/false; a text setting ends up inside lines of
// generated files, so line breaks and NULs are refused.
TEST(SettingsRecord, KeysRoundTripAndBadKeysOrValuesAreRefused) {
  Settings s;
  for (const auto& info : SettingTable()) {
    Settings copy;
    ApplySetting(copy, info.key, SettingText(s, info));
    EXPECT_EQ(SettingText(copy, info), SettingText(s, info)) << info.key;
  }
  EXPECT_THROW(ApplySetting(s, "nmae", "x"), Error);
  EXPECT_THROW(ApplySetting(s, "engine", "yes"), Error);
  EXPECT_THROW(ApplySetting(s, "vc_version", "7"), Error);
  ApplySetting(s, "engine", "false");
  ApplySetting(s, "help_copy_bat", "0");
  ApplySetting(s, "vc_version", "4");
  ApplySetting(s, "name", " spaced ");
  EXPECT_FALSE(s.engine || s.help_copy_bat);
  EXPECT_EQ(s.vc_version, 4);
  EXPECT_EQ(s.name, " spaced ");
  const std::string texts[] = {"two\nlines", "cr\r", "tab\t", std::string("nul\0", 4)};
  for (const std::string& text : texts) EXPECT_THROW(ApplySetting(s, "app_name", text), Error) << text;
  EXPECT_EQ(s.app_name, "AppName");
}

}  // namespace
}  // namespace kelvad
