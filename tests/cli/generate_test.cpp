#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/headless_run.h"

namespace {

namespace fs = std::filesystem;
using kelvad::testing::HeadlessRun;
using Outcome = kelvad::testing::RunOutcome;

TEST_F(HeadlessRun, WritesTheProjectAndTheReport) {
  // Without the help template the help options are cleared.
  fs::create_directories(root / "c" / "Aleppo" / "Template");
  std::ofstream(root / "c" / "Aleppo" / "Template" / "EPOCHELP.DOT").put('x');
  Outcome run = Generate("--sdk-release 5 --no-launch --set name=Demo");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_directory(root / "c" / "Demo" / "Help" / "Documents"));
  std::string ebld = Read(root / "c" / "Demo" / "ebld.bat");
  EXPECT_NE(ebld.find("c:\\epoc32\\release\\wins\\deb\\epoc.exe\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("Creating Directory: c:\\Demo\\Include\n"), std::string::npos);
  EXPECT_NE(run.out.find("Finished\n"), std::string::npos);
  EXPECT_EQ(run.out.find("Executing"), std::string::npos);
  std::string report = Read(root / "data" / "kelvad.rtf");
  EXPECT_EQ(report.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_NE(report.find("{ Creating Directory:} {\\i c:\\\\Demo}"), std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 3), "}\r\n");
}

TEST_F(HeadlessRun, FindsTheSdkDriveAndItsRelease) {
  fs::create_directories(root / "d" / "epoc32" / "release" / "wins" / "deb");
  std::ofstream(root / "d" / "epoc32" / "release" / "wins" / "deb" / "wsexe.exe").put('x');
  Outcome run = Generate("--drive d=" + (root / "d").string() + " --no-launch");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Found pre-ER5 EPOC SDK on D:\\"), std::string::npos);
  std::string ebld = Read(root / "d" / "ProjectX" / "ebld.bat");
  EXPECT_NE(ebld.find("d:\\epoc32\\release\\wins\\deb\\wsexe.exe\r\n"), std::string::npos);
}

TEST_F(HeadlessRun, RefusesAnExistingProjectIgnoringCase) {
  fs::create_directories(root / "c" / "projectx");
  Outcome run = Generate("--sdk-release 0 --no-launch");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("already exists"), std::string::npos);
  EXPECT_FALSE(fs::exists(root / "data" / "kelvad.rtf"));
}

TEST_F(HeadlessRun, RefusesNamesThatLeaveTheDriveRoot) {
  for (const char* name : {"..\\\\x", "", "a/b", "NUL"}) {
    Outcome run = Generate(std::string("--sdk-release 0 --no-launch --set 'name=") + name + "'");
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_TRUE(fs::is_empty(root / "c"));
  EXPECT_FALSE(fs::exists(root / "x"));
}

TEST_F(HeadlessRun, UnmappedDriveIsRefused) {
  Outcome run = Generate("--sdk-release 0 --no-launch --set drive=q:");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("q: is not mapped"), std::string::npos);
}

TEST_F(HeadlessRun, BadCountAbandonsTheBuild) {
  Outcome run = Generate("--sdk-release 0 --no-launch --set text_ui_count=many");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("\"many\" is not a number"), std::string::npos);
  EXPECT_FALSE(fs::exists(root / "c" / "ProjectX"));
  EXPECT_FALSE(fs::exists(root / "data" / "kelvad.rtf"));
}

TEST_F(HeadlessRun, UnusableArgumentsExitWithTwo) {
  for (const char* args : {"--set nosuchkey=1", "--set engine=maybe", "--set vc_version=9", "--bogus",
                           "--sdk-release 4", "--drive nonsense", "--set", "--set drive=qq"}) {
    Outcome run = Generate(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("usage: kelvad generate"), std::string::npos) << args;
  }
  EXPECT_TRUE(fs::is_empty(root / "c"));
}

TEST_F(HeadlessRun, AMissingDataDirectoryIsCreatedForTheReport) {
  fs::remove_all(root / "data");
  Outcome run = Generate("--sdk-release 3 --no-launch");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("not saved"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::is_regular_file(root / "data" / "kelvad.rtf"));
}

TEST_F(HeadlessRun, ADriveMappedToNothingIsRefusedBeforeWriting) {
  Outcome run = Generate("--drive e=" + (root / "absent").string() + " --set drive=e: --sdk-release 5 --no-launch");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("which is not a directory"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(root / "absent"));
  EXPECT_FALSE(fs::exists(root / "data" / "kelvad.rtf"));
}

}  // namespace
