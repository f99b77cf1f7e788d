#include <gtest/gtest.h>

#include "platform/dos_paths.h"
#include "platform/drive_map.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace kelvad {
namespace {

class DosPaths : public ::testing::Test {
 protected:
  DosPaths() : drives(fs, {{'c', "/hostc"}, {'D', "/hostd/"}}) {
    fs.MakeDirectories("/hostc/ProjectX/Help/Documents");
    fs.MakeDirectories("/hostd");
  }
  MemoryFileSystem fs;
  DosDrives drives;
};

TEST_F(DosPaths, ResolveMatchesNamesIgnoringCaseWithoutAListingAndNeverClimbsAboveTheRoot) {
  EXPECT_EQ(drives.Resolve("C:\\projectx\\help\\documents\\x.rtf"), "/hostc/ProjectX/Help/Documents/x.rtf");
  EXPECT_EQ(drives.Resolve("d:\\New\\Dir"), "/hostd/New/Dir");
  EXPECT_EQ(drives.Resolve("c:\\"), "/hostc");
  EXPECT_EQ(drives.Resolve("c:\\..\\..\\etc"), "/hostc/etc");
  drives.SetCurrentDrive('D');
  EXPECT_EQ(drives.Resolve("\\a"), "/hostd/a");
  drives.SetCurrentDrive('c');
  drives.SetCurrentDirectory("\\projectx\\help");
  EXPECT_EQ(drives.CurrentDirectory('c'), "\\projectx\\help");
  EXPECT_EQ(drives.Resolve("documents"), "/hostc/ProjectX/Help/Documents");
  EXPECT_EQ(drives.Resolve("..\\..\\ProjectX"), "/hostc/ProjectX");
  EXPECT_EQ(drives.Resolve("\\ProjectX"), "/hostc/ProjectX");
  // A build looks names up in the directories it made from what it made
  // there, not from their listings; the names still match ignoring case, so
  // a file written twice under two spellings stays one file.
  drives.MakeDirectory("c:\\ProjectX\\Engine");
  drives.WriteFile("c:\\projectx\\engine\\Engine.cpp", "old");
  drives.OpenFile("c:\\PROJECTX\\ENGINE\\engine.h")->Finish("h");
  drives.WriteFile("c:\\ProjectX\\Engine\\ENGINE.CPP", "new");
  EXPECT_EQ(fs.Files(),
            (std::vector<std::string>{"/hostc/ProjectX/Engine/Engine.cpp", "/hostc/ProjectX/Engine/engine.h"}));
  EXPECT_EQ(fs.Read("/hostc/ProjectX/Engine/Engine.cpp"), "new");
  drives.MakeDirectory("c:\\projectx\\engine\\Sub");
  EXPECT_EQ(drives.Resolve("c:\\projectx\\ENGINE\\sub\\x"), "/hostc/ProjectX/Engine/Sub/x");
}

TEST_F(DosPaths, UnmappedDrivesFailAndStoredNamesKeepTheCaseOnDisk) {
  EXPECT_FALSE(drives.IsMapped('e'));
  EXPECT_EQ(drives.TypeOf('e'), DriveType::kNoRootDir);
  EXPECT_EQ(drives.TypeOf('d'), DriveType::kFixed);
  EXPECT_THROW(drives.Resolve("e:\\x"), Error);
  EXPECT_THROW(drives.SetCurrentDrive('e'), Error);
  EXPECT_FALSE(drives.Exists("e:\\x"));
  EXPECT_THROW(drives.SetCurrentDirectory("c:\\Missing"), Error);
  fs.Write("/hostc/ProjectX/EPOC.EXE", "");
  EXPECT_EQ(drives.StoredName("c:\\projectx\\epoc.exe"), "EPOC.EXE");
  EXPECT_EQ(drives.StoredName("c:\\projectx\\wsexe.exe"), "");
  EXPECT_EQ(drives.StoredName("c:\\projectx"), "");  // a directory is no file
}

// Every byte round-trips, the five unassigned ones too: a cmdlist.dat line
// holding one must save back unchanged, not as '?'.
TEST(Encoding, Windows1252RoundTripsEveryByteAndWhatHasNoByteBecomesAQuestionMark) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
  EXPECT_TRUE(FitsWindows1252(FromWindows1252(all)));
  EXPECT_EQ(FromWindows1252("\x81\x9D"), "\xC2\x81\xC2\x9D");
  EXPECT_EQ(ToWindows1252("\xE2\x80\x99\xE2\x80\xA2"), "\x92\x95");
  EXPECT_FALSE(FitsWindows1252("\xE2\x98\x83"));  // snowman
  EXPECT_EQ(ToWindows1252("a\xE2\x98\x83z"), "a?z");
  EXPECT_EQ(ToWindows1252("\xF0\x9F\x98\x80"), "?");
  // Malformed UTF-8 is taken as bytes.
  EXPECT_EQ(ToWindows1252("\xE9t\xE9"), "\xE9t\xE9");
  EXPECT_FALSE(FitsWindows1252("\xC0\xAF"));  // overlong "/"
  // ASCII is copied in runs of eight bytes: a character outside it is found
  // wherever it stands in a run, and whatever precedes or follows it.
  const std::string ascii = "0123456789abcdefghijklmnopq";
  for (size_t at = 0; at <= ascii.size(); ++at) {
    for (std::string_view other : {"\xE2\x82\xAC", "\xE9", "\xE2\x98\x83"}) {
      const std::string converted = other == "\xE2\x82\xAC" ? "\x80" : other == "\xE9" ? "\xE9" : "?";
      std::string appended = "head";
      AppendWindows1252(appended, ascii.substr(0, at) + std::string(other) + ascii.substr(at));
      EXPECT_EQ(appended, "head" + ascii.substr(0, at) + converted + ascii.substr(at)) << at;
    }
  }
}

// What a message echoes: escaped, cut between characters, never raw.
TEST(Shown, EscapesControlsAndBadBytesAndCutsBetweenCharacters) {
  std::string accents;
  for (int i = 0; i < 100; ++i) accents += "\xC3\xA9";
  std::string cut_accents;
  for (int i = 0; i < 80; ++i) cut_accents += "\xC3\xA9";
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"a\nb\tc\x1b[2J\x7F", "\"a\\nb\\tc\\x1b[2J\\x7f\""},
      {"\xC2\x9B\xE9t", "\"\\x9b\\xe9t\""},  // a C1 control, then a byte that is not UTF-8
      {accents, "\"" + cut_accents + "...\""},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(Shown(text), shown);
  const std::string path = "/" + std::string(150, 'a') + "/" + std::string(150, 'z') + "/end";
  EXPECT_EQ(ShownPath(path), path.substr(0, 80) + "..." + path.substr(path.size() - 80));
  EXPECT_EQ(ShownPath(path.substr(0, 200)), path.substr(0, 200));
  EXPECT_EQ(ShownPath("/tmp/x\ny"), "/tmp/x\\ny");
}

TEST(DriveList, ParsesAssignmentsAndRejectsJunk) {
  DriveMap drives = ParseDriveList("c=/tmp/c;D=/tmp/d;");
  EXPECT_EQ(drives.size(), 2u);
  EXPECT_EQ(drives['d'], "/tmp/d");
  EXPECT_THROW(ParseDriveList("c:/tmp"), Error);
  EXPECT_FALSE(ParseDriveAssignment("cc=/x"));
  EXPECT_FALSE(ParseDriveAssignment("1=/x"));
  EXPECT_FALSE(ParseDriveAssignment("c="));
  EXPECT_EQ(ParseDriveAssignment("Z=/x")->first, 'z');
}

}  // namespace
}  // namespace kelvad
