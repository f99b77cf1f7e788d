#include <gtest/gtest.h>

#include "driver/build_driver.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

class FakeStarter : public ProcessStarter {
 public:
  explicit FakeStarter(bool works) : works_(works) {}
  StartOutcome Start(const StartRequest& request) override {
    requests.push_back(request);
    return works_ ? StartOutcome{true, ""} : StartOutcome{false, "Wine is not installed"};
  }
  std::vector<StartRequest> requests;

 private:
  bool works_;
};

// Remembers each maximum the bar is given, in order.
class MaximumWatcher : public ReportView {
 public:
  void ProgressChanged(int, int maximum) override {
    if (maxima.empty() || maxima.back() != maximum) maxima.push_back(maximum);
  }
  std::vector<int> maxima;
};

// One for the project, one for each template, and the typed counts of the
// ticked text UIs and controls; the sum is rounded half to even.
TEST(SubprojectCount, SumsTemplatesAndTypedCounts) {
  struct Case {
    bool templates, text_ui;
    const char* text_ui_count;
    int expected;
  } cases[] = {{true, true, "3", 6},   {false, false, "3", 1}, {true, true, "1.5", 4},
               {true, true, "2.5", 6}, {true, true, " 2 ", 5}};
  for (const Case& c : cases) {
    Settings s;
    s.controls = false;
    s.engine = s.gui = c.templates;
    s.text_ui = c.text_ui;
    s.text_ui_count = c.text_ui_count;
    EXPECT_EQ(SubprojectCount(s), c.expected) << c.text_ui_count;
  }
}

TEST(SubprojectCount, TextThatIsNoNumberFailsNamingTheField) {
  Settings s;
  s.controls_count = "two";
  try {
    SubprojectCount(s);
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("Controls"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("\"two\""), std::string::npos);
  }
  s.controls_count = "";
  EXPECT_THROW(SubprojectCount(s), Error);
  s.controls_count = "1e9";
  EXPECT_THROW(SubprojectCount(s), Error);
  s.controls_count = "99999";
  EXPECT_THROW(SubprojectCount(s), Error);
  // A count of an unticked sub-project is never read.
  s.controls = false;
  EXPECT_EQ(SubprojectCount(s), 4);
}

TEST(BuildProject, FirstMaximumIsTheSubprojectCount) {
  TestBuild build;
  build.settings.controls = false;
  build.settings.text_ui_count = "4";
  build.context.launch = false;
  MaximumWatcher watcher;
  build.report.set_view(&watcher);
  ASSERT_TRUE(BuildProject(build.context).completed);
  // The count is set, then the directory stage replaces it at once.
  ASSERT_GE(watcher.maxima.size(), 3u);
  EXPECT_EQ(watcher.maxima[1], 7);
  EXPECT_EQ(watcher.maxima[2], 6);
}

TEST(BuildProject, RunsTheStagesInOrderAndLaunchesFromTheProjectDirectory) {
  TestBuild build;
  FakeStarter starter(true);
  build.context.starter = &starter;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed) << outcome.error;
  EXPECT_TRUE(outcome.launched);
  EXPECT_EQ(outcome.closing_message,
            "Kelvad has launched ebld.bat which will build the project \n"
            "and automatically launch the EPOC Emulator. You can close \n"
            "Kelvad now and ebld will continue to run.");
  ASSERT_EQ(starter.requests.size(), 1u);
  EXPECT_EQ(starter.requests[0].command_line, "c:\\ProjectX\\ebld.bat > ebld.log");
  EXPECT_EQ(starter.requests[0].dos_directory, "c:\\ProjectX");
  EXPECT_EQ(starter.requests[0].host_directory, "/c/ProjectX");
  const auto& lines = build.report.Lines();
  auto at = [&](const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) - lines.begin();
  };
  EXPECT_LT(at("Creating Directories ..."), at("Building HelpFiles ..."));
  EXPECT_LT(at("Building HelpFiles ..."), at("Generating BAT File: c:\\ProjectX\\ebld.bat"));
  EXPECT_LT(at("Generating BAT File: c:\\ProjectX\\ebld.bat"), at("Executing:  c:\\ProjectX\\ebld.bat > ebld.log"));
  EXPECT_EQ(lines.back(), "Finished");
  EXPECT_EQ(build.report.Status(), "Finished");
  EXPECT_EQ(build.drives.CurrentDirectory('c'), "\\ProjectX");
}

TEST(BuildProject, SavesTheWholeReportAndWithoutLaunchSaysSo) {
  TestBuild build;
  build.context.launch = false;
  build.fs.Write("/data/kelvad.rtf", "old report");
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed);
  EXPECT_TRUE(outcome.report_saved);
  EXPECT_EQ(build.fs.Read("/data/kelvad.rtf"), build.report.Document());
  EXPECT_EQ(build.fs.Stat("/data/kelvad.rtf.new"), EntryKind::kNone);
  EXPECT_FALSE(outcome.launched);
  for (const auto& line : build.report.Lines()) EXPECT_EQ(line.find("Executing"), std::string::npos);
  EXPECT_NE(outcome.closing_message.find("has not launched ebld.bat"), std::string::npos);
}

TEST(BuildProject, FailedReportSaveKeepsThePreviousReport) {
  TestBuild build;
  build.context.launch = false;
  build.fs.Write("/data/kelvad.rtf", "old report");
  build.fs.FailOn("/data/kelvad.rtf");
  BuildOutcome outcome = BuildProject(build.context);
  EXPECT_TRUE(outcome.completed);
  EXPECT_FALSE(outcome.report_saved);
  EXPECT_FALSE(outcome.report_error.empty());
  EXPECT_EQ(build.fs.Read("/data/kelvad.rtf"), "old report");
}

TEST(BuildProject, AStartThatFailsIsNeverReportedAsExecuted) {
  TestBuild build;
  FakeStarter starter(false);
  build.context.starter = &starter;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed);
  EXPECT_FALSE(outcome.launched);
  EXPECT_NE(outcome.closing_message.find("could not launch ebld.bat: Wine is not installed"), std::string::npos);
  const auto& lines = build.report.Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Not started:  c:\\ProjectX\\ebld.bat > ebld.log"), lines.end());
  for (const auto& line : lines) EXPECT_EQ(line.find("Executing"), std::string::npos);
}

TEST(BuildProject, AFailingStepKeepsWhatWasWrittenAndSavesNoReport) {
  TestBuild build;
  build.context.launch = false;
  build.fs.FailOn("/c/ProjectX/ebld.bat");
  BuildOutcome outcome = BuildProject(build.context);
  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(outcome.error.find("ebld.bat"), std::string::npos);
  EXPECT_EQ(build.fs.Stat("/c/ProjectX/Include"), EntryKind::kDirectory);
  EXPECT_EQ(build.fs.Stat("/data/kelvad.rtf"), EntryKind::kNone);
}

}  // namespace
}  // namespace kelvad
