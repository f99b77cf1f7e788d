#include <gtest/gtest.h>

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
    try {
      SubprojectCount(s);
      ADD_FAILURE() << count;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(error), std::string::npos) << e.what();
    }
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
    EXPECT_EQ(build.fs.Stat("/data/kelvad.rtf.new"), EntryKind::kNone);
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

// An abandoned build keeps what it wrote, writes and starts nothing after the
// failure and saves no report.
TEST(BuildProject, FailuresKeepWhatIsOnDisk) {
  struct Case {
    const char* fail_on;  // null: an icon is missing
    const char* error;    // null: the build completes
  } cases[] = {{"/data/kelvad.rtf", nullptr}, {"/c/ProjectX/ebld.bat", "ebld.bat"}, {nullptr, "icon48i.bmp"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error ? c.error : "report");
    TestBuild build;
    FakeStarter starter;
    build.context.starter = &starter;
    build.fs.Write("/data/kelvad.rtf", "old report");
    c.fail_on ? build.fs.FailOn(c.fail_on) : build.fs.Remove("/install/Icons/icon48i.bmp");
    BuildOutcome outcome = BuildProject(build.context);
    EXPECT_FALSE(outcome.report_saved);
    EXPECT_EQ(build.fs.Read("/data/kelvad.rtf"), "old report");
    if (!c.error) {
      EXPECT_TRUE(outcome.completed);
      EXPECT_FALSE(outcome.report_error.empty());
      continue;
    }
    EXPECT_FALSE(outcome.completed);
    EXPECT_NE(outcome.error.find(c.error), std::string::npos) << outcome.error;
    EXPECT_TRUE(starter.requests.empty());
    EXPECT_TRUE(build.drives.Exists("c:\\ProjectX\\AIF\\ProjectX32m.bmp"));
    EXPECT_EQ(build.drives.Exists("c:\\ProjectX\\Engine\\engine.mmp"), c.fail_on != nullptr);
  }
}

}  // namespace
}  // namespace kelvad
