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

// Started, refused by the starter, or not asked for: the report never claims
// a start that did not happen, and is saved whole in place of the old one.
// The build that launches nothing also has no templates, help or package.
TEST(BuildProject, LaunchesFromTheProjectDirectoryOrSaysWhyNot) {
  struct Case {
    bool launch, starts;
    const char* closing;
    std::vector<std::string> launch_lines;
  } cases[] = {{true, true, "has launched ebld.bat", {"Executing:  c:\\ProjectX\\ebld.bat > ebld.log", "Finished"}},
               {true, false, "could not launch ebld.bat: Wine is not installed",
                {"Not started:  c:\\ProjectX\\ebld.bat > ebld.log", "\tWine is not installed", "Finished"}},
               {false, true, "has not launched ebld.bat", {"Finished"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.closing);
    TestBuild build;
    FakeStarter starter;
    starter.works = c.starts;
    build.context.starter = &starter;
    build.context.launch = c.launch;
    build.settings.engine = build.settings.gui = build.settings.help = build.settings.sis = c.launch;
    build.fs.Write("/data/kelvad.rtf", "old report");
    BuildOutcome outcome = BuildProject(build.context);
    ASSERT_TRUE(outcome.completed) << outcome.error;
    EXPECT_EQ(outcome.launched, c.launch && c.starts);
    EXPECT_NE(outcome.closing_message.find(c.closing), std::string::npos) << outcome.closing_message;
    std::vector<std::string> lines = build.report.Lines();
    lines.erase(lines.begin(), lines.end() - std::ssize(c.launch_lines));
    EXPECT_EQ(lines, c.launch_lines);
    EXPECT_TRUE(outcome.report_saved);
    EXPECT_EQ(build.fs.Read("/data/kelvad.rtf"), build.report.Document());
    for (std::string dir : {"Engine", "GUI", "Help", "distrib"}) {
      EXPECT_EQ(build.drives.Exists("c:\\ProjectX\\" + dir), c.launch) << dir;
    }
    ASSERT_EQ(starter.requests.size(), c.launch ? 1u : 0u);
    if (!c.launch) continue;
    EXPECT_EQ(starter.requests[0].command_line, "c:\\ProjectX\\ebld.bat > ebld.log");
    EXPECT_EQ(starter.requests[0].dos_directory, "c:\\ProjectX");
    EXPECT_EQ(starter.requests[0].host_directory, "/c/ProjectX");
    EXPECT_EQ(build.drives.CurrentDirectory('c'), "\\ProjectX");
  }
}

// Refused before writing (nothing written), abandoned half-way (what was
// written stays), interrupted between two files, or completed without its
// report: a report is saved only after a whole build or one stopped on
// request (it then says where), and nothing is started but after a whole one.
int g_interrupt_countdown = 0;
int InterruptAfterCountdown() { return --g_interrupt_countdown < 0 ? 2 : 0; }

TEST(BuildProject, FailuresKeepWhatIsOnDisk) {
  enum Result { kRefused, kAbandoned, kInterrupted, kCompleted };
  struct Case {
    const char* what;
    std::function<void(TestBuild&)> arrange;
    Result result;
    const char* error;
  } cases[] = {
      {"report", [](TestBuild& b) { b.fs.FailOn("/data/kelvad.rtf"); }, kCompleted, "Input/output error"},
      {"ebld.bat", [](TestBuild& b) { b.fs.FailOn("/c/ProjectX/ebld.bat"); }, kAbandoned, "ebld.bat"},
      {"icon", [](TestBuild& b) { b.fs.Remove("/install/Icons/icon48i.bmp"); }, kRefused, "icon48i.bmp"},
      {"drive", [](TestBuild& b) { b.fs.FailOn("/c"); }, kRefused, "/c"},
      {"count", [](TestBuild& b) { b.settings.controls_count = "-40000"; }, kRefused, "-39996 is below -32768"},
      {"name", [](TestBuild& b) { b.fs.SetLimits({26, 4095, 4095}); }, kRefused, "ProjectX (MARM Release).pkg"},
      {"path", [](TestBuild& b) { b.fs.SetLimits({255, 30, 30}); }, kRefused, "ProjectX16i.bmp"},
      {"interrupt", [](TestBuild& b) { g_interrupt_countdown = 2, b.context.interrupt_signal = InterruptAfterCountdown; },
       kInterrupted, "Interrupted before c:\\ProjectX\\AIF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestBuild build;
    FakeStarter starter;
    build.context.starter = &starter;
    build.fs.Write("/data/kelvad.rtf", "old report");
    c.arrange(build);
    BuildOutcome outcome = BuildProject(build.context);
    EXPECT_EQ(outcome.completed, c.result == kCompleted);
    EXPECT_EQ(outcome.started, c.result != kRefused);
    EXPECT_EQ(outcome.interrupted, c.result == kInterrupted ? 2 : 0);
    EXPECT_NE((outcome.completed ? outcome.report_error : outcome.error).find(c.error), std::string::npos)
        << outcome.error << outcome.report_error;
    EXPECT_EQ(outcome.report_saved, c.result == kInterrupted);
    if (c.result == kInterrupted) {
      EXPECT_NE(build.fs.Read("/data/kelvad.rtf").find("{\\b Interrupted before c:\\\\ProjectX\\\\AIF}"),
                std::string::npos);
    } else {
      EXPECT_EQ(build.fs.Read("/data/kelvad.rtf"), "old report");
    }
    EXPECT_EQ(starter.requests.size(), c.result == kCompleted ? 1u : 0u);
    EXPECT_EQ(build.fs.List("/c").empty(), c.result == kRefused);
    if (c.result == kAbandoned) EXPECT_TRUE(build.drives.Exists("c:\\ProjectX\\Engine\\engine.mmp"));
    if (c.result == kInterrupted) EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Engine"));
  }
}

}  // namespace
}  // namespace kelvad
