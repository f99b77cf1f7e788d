#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/headless_run.h"

namespace {

namespace fs = std::filesystem;
using kelvad::testing::HeadlessRun;
using Outcome = kelvad::testing::RunOutcome;

bool NamesBothForms(const std::string& text) {
  return text.find("usage: kelvad [--drive X=DIR]") != std::string::npos &&
         text.find("kelvad generate [--drive X=DIR]") != std::string::npos;
}

TEST_F(HeadlessRun, HelpGoesToStandardOutputAndWritesNothing) {
  // Asked for anywhere a generate option could stand, even after settings.
  for (const char* args : {"--help", "-h", "generate --help", "generate -h",
                           "generate --no-launch --set name=Demo --help"}) {
    SCOPED_TRACE(args);
    Outcome run = Run(std::string(args) + " --drive c=" + (root / "c").string());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(NamesBothForms(run.out)) << run.out;
    EXPECT_NE(run.out.find("--sdk-release 0|3|5"), std::string::npos);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_TRUE(fs::is_empty(root / "c"));
  EXPECT_TRUE(fs::is_empty(root / "data"));
}

TEST_F(HeadlessRun, VersionIsTheProgramsVersionText) {
  for (const char* args : {"--version", "generate --version"}) {
    Outcome run = Run(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out, "Kelvad V0.9.2\n") << args;
    EXPECT_EQ(run.err, "") << args;
  }
}

TEST_F(HeadlessRun, UnknownCommandsGiveTheUsageOnStandardError) {
  for (const char* args : {"bogus", "--bogus", "--help-me", "Generate"}) {
    Outcome run = Run(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_TRUE(NamesBothForms(run.err)) << args << run.err;
  }
}

TEST_F(HeadlessRun, WithoutADisplayTheWizardPointsToGenerate) {
  if (!KELVAD_HAS_WIZARD) GTEST_SKIP() << "built without the wizard";
  Outcome run = Run("--drive c=" + (root / "c").string(), "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("kelvad generate"), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

}  // namespace
