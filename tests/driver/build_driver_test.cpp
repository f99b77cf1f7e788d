#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "driver/build_driver.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

struct FakeStarter : ProcessStarter {
  StartOutcome Start(const StartRequest& request) override {
    requests.push_back(request);
    return works ? StartOutcome{true, ""} : StartOutcome{false, "Wine is not installed"};
  }
  bool works = true;
  std::vector<StartRequest> requests;
};

// One for the project, one for each template, and the typed counts of the
// ticked text UIs and controls (here 1), rounded half to even. A count of an
// unticked one is never read; a bad one fails naming its field.
TEST(SubprojectCount, SumsTemplatesAndTypedCountsOrNamesTheBadField) {
  const std::tuple<bool, const char*, int> sums[] = {
      {true, "3", 7}, {false, "two", 1}, {true, "0.5", 4}, {true, "1.5", 6}, {true, " 2 ", 6}};
  for (auto [ticked, count, expected] : sums) {
    Settings s;
    s.engine = s.gui = s.text_ui = s.controls = ticked;
    s.text_ui_count = count;
    EXPECT_EQ(SubprojectCount(s), expected) << count;
  }
  const std::pair<const char*, const char*> bad[] = {
      {"two", "Controls \"two\" is not a number"}, {"", "Controls \"\""}, {"1e9", "\"1e9\""}, {"99999", "Overflow"}};
  for (auto [count, error] : bad) {
    Settings s;
    s.controls_count = count;
    const std::string message = testing::ErrorOf([&] { SubprojectCount(s); });
    EXPECT_NE(message.find(error), std::string::npos) << message;
  }
}

// A build refused before writing (nothing written), abandoned half-way
// (what was written stays), interrupted between two files, completed
// without its report, or completed and then started, refused by the starter
// or not asked to start. A report is saved, whole and in place of the old
// one, only after a whole build or one stopped on request (it then says
// where); it never claims a start that did not happen, and nothing is
// started but after a whole build, from the project directory. The build
// that launches nothing also has no templates, help or package.
int g_interrupt_countdown = 0;
int InterruptAfterCountdown() { return --g_interrupt_countdown < 0 ? 2 : 0; }

TEST(BuildProject, SavesTheReportAndLaunchesOnlyAfterAWholeBuild) {
  enum Result { kRefused, kAbandoned, kInterrupted, kUnsaved, kSaved };
  struct Case {
    const char* what;
    std::function<void(TestBuild&, FakeStarter&)> arrange;
    Result result;
    const char* message;  // in the closing message of a saved build, else in the error
    std::vector<std::string> last_lines = {};
  } cases[] = {
      {"launched", [](TestBuild&, FakeStarter&) {}, kSaved, "has launched ebld.bat",
       {"Executing:  c:\\ProjectX\\ebld.bat > ebld.log", "Finished"}},
      {"not started", [](TestBuild&, FakeStarter& s) { s.works = false; }, kSaved,
       "could not launch ebld.bat: Wine is not installed",
       {"Not started:  c:\\ProjectX\\ebld.bat > ebld.log", "\tWine is not installed", "Finished"}},
      {"not asked",
       [](TestBuild& b, FakeStarter&) {
         b.context.launch = b.settings.engine = b.settings.gui = b.settings.help = b.settings.sis = false;
       },
       kSaved, "has not launched ebld.bat", {"Finished"}},
      {"report", [](TestBuild& b, FakeStarter&) { b.fs.FailOn("/data/kelvad.rtf"); }, kUnsaved, "Input/output error"},
      {"ebld.bat", [](TestBuild& b, FakeStarter&) { b.fs.FailOn("/c/ProjectX/ebld.bat"); }, kAbandoned, "ebld.bat"},
      {"icon", [](TestBuild& b, FakeStarter&) { b.fs.Remove("/install/Icons/icon48i.bmp"); }, kRefused, "icon48i.bmp"},
      {"drive", [](TestBuild& b, FakeStarter&) { b.fs.FailOn("/c"); }, kRefused, "/c"},
      {"count", [](TestBuild& b, FakeStarter&) { b.settings.controls_count = "-40000"; }, kRefused,
       "-39996 is below -32768"},
      {"name", [](TestBuild& b, FakeStarter&) { b.fs.SetLimits({26, 4095, 4095}); }, kRefused,
       "ProjectX (MARM Release).pkg"},
      {"path", [](TestBuild& b, FakeStarter&) { b.fs.SetLimits({255, 30, 30}); }, kRefused, "ProjectX16i.bmp"},
      {"interrupt",
       [](TestBuild& b, FakeStarter&) { g_interrupt_countdown = 2, b.context.interrupt_signal = InterruptAfterCountdown; },
       kInterrupted, "Interrupted before c:\\ProjectX\\AIF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestBuild build;
    FakeStarter starter;
    build.context.starter = &starter;
    build.fs.Write("/data/kelvad.rtf", "old report");
    c.arrange(build, starter);
    BuildOutcome outcome = BuildProject(build.context);
    EXPECT_EQ(outcome.completed, c.result >= kUnsaved);
    EXPECT_EQ(outcome.started, c.result != kRefused);
    EXPECT_EQ(outcome.interrupted, c.result == kInterrupted ? 2 : 0);
    const std::string& message =
        c.result == kSaved ? outcome.closing_message : c.result == kUnsaved ? outcome.report_error : outcome.error;
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_EQ(outcome.report_saved, c.result == kSaved || c.result == kInterrupted);
    const std::string report = build.fs.Read("/data/kelvad.rtf");
    if (c.result == kSaved) {
      EXPECT_EQ(report, build.report.Document());
    } else if (c.result == kInterrupted) {
      EXPECT_NE(report.find("{\\b Interrupted before c:\\\\ProjectX\\\\AIF}"), std::string::npos);
    } else {
      EXPECT_EQ(report, "old report");
    }
    std::vector<std::string> lines = build.report.Lines();
    lines.erase(lines.begin(), lines.end() - std::min(std::ssize(lines), std::ssize(c.last_lines)));
    if (!c.last_lines.empty()) EXPECT_EQ(lines, c.last_lines);
    EXPECT_EQ(build.fs.List("/c").empty(), c.result == kRefused);
    if (c.result == kAbandoned) EXPECT_TRUE(build.drives.Exists("c:\\ProjectX\\Engine\\engine.mmp"));
    if (c.result == kInterrupted) EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Engine"));
    const bool asked = outcome.completed && build.context.launch;
    EXPECT_EQ(outcome.launched, asked && starter.works);
    for (std::string dir : {"Engine", "GUI", "Help", "distrib"}) {
      if (outcome.completed) EXPECT_EQ(build.drives.Exists("c:\\ProjectX\\" + dir), build.context.launch) << dir;
    }
    ASSERT_EQ(starter.requests.size(), asked ? 1u : 0u);
    if (!asked) continue;
    EXPECT_EQ(starter.requests[0].command_line, "c:\\ProjectX\\ebld.bat > ebld.log");
    EXPECT_EQ(starter.requests[0].dos_directory, "c:\\ProjectX");
    EXPECT_EQ(starter.requests[0].host_directory, "/c/ProjectX");
    EXPECT_EQ(build.drives.CurrentDirectory('c'), "\\ProjectX");
  }
}

}  // namespace
}  // namespace kelvad
