#include <gtest/gtest.h>

#include <algorithm>

#include "model/build_driver.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::SplitLines;
using testing::TestBuild;

// The file names of the "Writing: " lines, in report order, with the
// count reported after each.
std::vector<std::pair<std::string, std::string>> Written(const Report& report) {
  std::vector<std::pair<std::string, std::string>> files;
  const std::vector<std::string>& lines = report.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("Writing:  ", 0) != 0) continue;
    std::string count;
    for (size_t j = i + 1; j < lines.size(); ++j) {
      if (lines[j].rfind("\tWrote ", 0) == 0) {
        count = lines[j];
        break;
      }
    }
    files.emplace_back(lines[i].substr(10), count);
  }
  return files;
}

std::vector<std::string> Paths(const std::vector<std::pair<std::string, std::string>>& written) {
  std::vector<std::string> paths;
  for (const auto& [path, count] : written) paths.push_back(path);
  return paths;
}

TEST(GuiStep, WritesTheNineSourcesInOrderWithTheirCounts) {
  TestBuild build;
  build.context.launch = false;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed) << outcome.error;
  auto written = Written(build.report);
  std::vector<std::string> paths = Paths(written);
  const std::vector<std::string> sources = {
      "c:\\ProjectX\\GUI\\Main.cpp",      "c:\\ProjectX\\Include\\App.h",   "c:\\ProjectX\\GUI\\App.cpp",
      "c:\\ProjectX\\Include\\Doc.h",     "c:\\ProjectX\\GUI\\Doc.cpp",     "c:\\ProjectX\\Include\\AppUI.h",
      "c:\\ProjectX\\GUI\\AppUI.cpp",     "c:\\ProjectX\\Include\\AppView.h", "c:\\ProjectX\\GUI\\AppView.cpp"};
  auto first = std::find(paths.begin(), paths.end(), sources.front());
  ASSERT_NE(first, paths.end());
  ASSERT_GE(paths.end() - first, 9);
  EXPECT_EQ(std::vector<std::string>(first, first + 9), sources);
  // The engine sources come before, and no requester is written.
  EXPECT_LT(std::find(paths.begin(), paths.end(), "c:\\ProjectX\\Engine\\engine.cpp"), first);
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Include\\MsgI.h"));
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\GUI\\MsgI.cpp"));

  // The build's own command model is empty, so the handler has no cases;
  // every other file is the default one.
  for (const char* file : {"Main.cpp", "App.cpp", "Doc.cpp", "AppView.cpp"}) {
    EXPECT_EQ(build.Bytes(std::string("c:\\ProjectX\\GUI\\") + file),
              Golden(std::string("sources/gui/defaults/") + file))
        << file;
  }
  for (const char* file : {"App.h", "Doc.h", "AppUI.h", "AppView.h"}) {
    EXPECT_EQ(build.Bytes(std::string("c:\\ProjectX\\Include\\") + file),
              Golden(std::string("sources/gui/defaults/") + file))
        << file;
  }
  const std::vector<std::string> counts = {"46", "47", "50", "62", "191", "65", "405", "46", "63"};
  for (size_t i = 0; i < counts.size(); ++i) {
    EXPECT_EQ(written[static_cast<size_t>(first - paths.begin()) + i].second, "\tWrote " + counts[i] + " lines.")
        << sources[i];
  }
}

TEST(GuiStep, TheTreeListsTheFilesInReportOrder) {
  TestBuild build;
  build.context.launch = false;
  ASSERT_TRUE(BuildProject(build.context).completed);
  std::vector<std::string> gui_files;
  std::vector<std::string> include_files;
  for (const std::string& path : Paths(Written(build.report))) {
    if (path.rfind("c:\\ProjectX\\GUI\\", 0) == 0) gui_files.push_back("GUI:" + path.substr(16));
    if (path.rfind("c:\\ProjectX\\Include\\", 0) == 0) include_files.push_back("INC:" + path.substr(20));
  }
  EXPECT_EQ(build.tree.Children("GUI"), gui_files);
  EXPECT_EQ(build.tree.Children("INC"), include_files);
  for (const char* key : {"GUI:Main.cpp", "GUI:App.cpp", "GUI:Doc.cpp", "GUI:AppUI.cpp", "GUI:AppView.cpp",
                          "INC:App.h", "INC:Doc.h", "INC:AppUI.h", "INC:AppView.h"}) {
    EXPECT_TRUE(build.tree.Contains(key)) << key;
  }
}

TEST(GuiStep, MessagingWritesTheRequesterAfterTheCommandHeader) {
  TestBuild build;
  build.context.launch = false;
  build.settings.messaging = true;
  ASSERT_TRUE(BuildProject(build.context).completed);
  EXPECT_EQ(build.Bytes("c:\\ProjectX\\Include\\MsgI.h"), Golden("sources/gui/messaging/MsgI.h"));
  EXPECT_EQ(build.Bytes("c:\\ProjectX\\GUI\\MsgI.cpp"), Golden("sources/gui/messaging/MsgI.cpp"));
  EXPECT_FALSE(build.tree.Contains("INC:MsgI.h"));
  EXPECT_FALSE(build.tree.Contains("GUI:MsgI.cpp"));
  for (const std::string& line : build.report.Lines()) EXPECT_EQ(line.find("MsgI"), std::string::npos) << line;
  std::string ui = build.Bytes("c:\\ProjectX\\GUI\\AppUI.cpp");
  EXPECT_NE(ui.find("\r\n   Case EExampleCmdSend:\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kelvad
