#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/headless_run.h"

namespace {

namespace fs = std::filesystem;
using kelvad::testing::HeadlessRun;
using Outcome = kelvad::testing::RunOutcome;

// The SDK search picks the drive and the release; the help template found
// there keeps the help options; a data directory that does not exist yet is
// created for the report.
TEST_F(HeadlessRun, WritesTheProjectAndTheReport) {
  fs::remove_all(root / "data");
  const fs::path d = root / "d";
  fs::create_directories(d / "epoc32" / "release" / "wins" / "deb");
  std::ofstream(d / "epoc32" / "release" / "wins" / "deb" / "wsexe.exe").put('x');
  fs::create_directories(d / "Aleppo" / "Template");
  std::ofstream(d / "Aleppo" / "Template" / "EPOCHELP.DOT").put('x');
  Outcome run = Generate("--drive d=" + d.string() + " --no-launch --set name=Demo");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Found pre-ER5 EPOC SDK on D:\\"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(d / "Demo" / "Help" / "Documents"));
  EXPECT_NE(Read(d / "Demo" / "ebld.bat").find("d:\\epoc32\\release\\wins\\deb\\wsexe.exe\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("Creating Directory: d:\\Demo\\Include\n"), std::string::npos);
  EXPECT_NE(run.out.find("Finished\n"), std::string::npos);
  EXPECT_EQ(run.out.find("Executing"), std::string::npos);
  EXPECT_EQ(run.err, "");
  std::string report = Read(root / "data" / "kelvad.rtf");
  EXPECT_EQ(report.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_NE(report.find("{ Creating Directory:} {\\i d:\\\\Demo}"), std::string::npos);
}

bool NamesBothForms(const std::string& text) {
  return text.find("usage: kelvad [--drive X=DIR]") != std::string::npos &&
         text.find("kelvad generate [--drive X=DIR]") != std::string::npos;
}

TEST_F(HeadlessRun, HelpVersionAndUnknownCommands) {
  // Help is asked for anywhere a generate option could stand, even after settings, and writes nothing.
  for (std::string args : {"--help", "-h", "generate --help", "generate -h",
                           "generate --no-launch --set name=Demo --help"}) {
    Outcome run = Run(args + " --drive c=" + (root / "c").string());
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_TRUE(NamesBothForms(run.out)) << args << run.out;
    EXPECT_NE(run.out.find("--sdk-release 0|3|5"), std::string::npos) << args;
    EXPECT_EQ(run.err, "") << args;
  }
  EXPECT_TRUE(fs::is_empty(root / "c"));
  EXPECT_TRUE(fs::is_empty(root / "data"));
  for (const char* args : {"--version", "generate --version"}) {
    Outcome run = Run(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out + "|" + run.err, "Kelvad V0.9.2\n|") << args;
  }
  // An unknown command gets the usage, and the nearest command when one is near.
  const std::pair<const char*, bool> unknown[] = {{"bogus", false},   {"--bogus", false}, {"--help-me", false},
                                                  {"Generate", true}, {"gen", true},      {"generat", true}};
  for (auto [args, near] : unknown) {
    Outcome run = Run(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_TRUE(NamesBothForms(run.err)) << args << run.err;
    EXPECT_EQ(run.err.find("did you mean \"generate\"?") != std::string::npos, near) << args << run.err;
  }
}

// Where the wizard cannot start, kelvad says why with the usage status.
// Without a display (on Windows a window station nobody sees, as a service
// or a task run without a logged-on user has) one line points to generate;
// a headless installation, with no wizard program beside kelvad, names the
// package in one line whatever the display; a registry export that cannot
// be read stops the wizard before its window.
TEST_F(HeadlessRun, WhereTheWizardCannotStartKelvadSaysWhy) {
  fs::create_directories(root / "alone");
  const fs::path alone = root / "alone" / Program().filename();
  fs::copy_file(Program(), alone);
  fs::create_directories(root / "export.reg");
  const std::string drive = "--drive c=" + (root / "c").string();
  hidden_desktop = true;
  struct Case {
    fs::path program;
    std::string args, env;
    std::vector<std::string> parts;
    bool needs_wizard, one_line = true;
  } cases[] = {
      {Program(), drive, "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", {"no display", "kelvad generate"}, true},
      {alone, "", "DISPLAY=:0", {"kelvad-wizard"}, false},
#ifndef _WIN32  // the environment that chooses Qt's offscreen platform does not reach the program under Wine
      {Program(), drive + " --registry " + (root / "export.reg").string(), "QT_QPA_PLATFORM=offscreen",
       {"is a directory"}, true, false},
#endif
  };
  for (const Case& c : cases) {
    if (c.needs_wizard && !KELVAD_HAS_WIZARD) continue;
    SCOPED_TRACE(c.parts[0]);
    Outcome run = RunAt(c.program, c.args, c.env);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    for (const std::string& part : c.parts) EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    if (c.one_line) EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
