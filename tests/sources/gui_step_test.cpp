#include <gtest/gtest.h>

#include <algorithm>

#include "driver/build_driver.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::TestBuild;

// The paths of the "Writing: " lines and the count reported after each,
// in report order.
std::vector<std::pair<std::string, std::string>> Written(const Report& report) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const std::string& line : report.Lines()) {
    if (line.rfind("Writing:  ", 0) == 0) files.emplace_back(line.substr(10), "");
    if (line.rfind("\tWrote ", 0) == 0 && !files.empty() && files.back().second.empty()) files.back().second = line;
  }
  return files;
}

// The build's own command model is empty, so the handler has no cases and
// its count differs from the sample's; every other file is the default one.
// Headers hang in the tree with the header picture, sources with the source one.
TEST(GuiStep, WritesTheNineSourcesInOrderWithTheirCountsAndTreeNodes) {
  TestBuild build;
  build.context.launch = false;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed) << outcome.error;
  auto written = Written(build.report);
  const std::vector<std::pair<std::string, std::string>> sources = {
      {"GUI\\Main.cpp", "46"}, {"Include\\App.h", "47"},     {"GUI\\App.cpp", "50"},
      {"Include\\Doc.h", "62"}, {"GUI\\Doc.cpp", "191"},     {"Include\\AppUI.h", "65"},
      {"GUI\\AppUI.cpp", "405"}, {"Include\\AppView.h", "46"}, {"GUI\\AppView.cpp", "63"}};
  auto first = std::find_if(written.begin(), written.end(),
                            [](const auto& w) { return w.first == "c:\\ProjectX\\GUI\\Main.cpp"; });
  ASSERT_GE(written.end() - first, 9);
  for (size_t i = 0; i < sources.size(); ++i) {
    const auto& [file, count] = sources[i];
    SCOPED_TRACE(file);
    EXPECT_EQ(first[static_cast<long>(i)],
              std::make_pair("c:\\ProjectX\\" + file, "\tWrote " + count + " lines."));
    std::string name = file.substr(file.find('\\') + 1);
    if (name != "AppUI.cpp") EXPECT_EQ(build.Bytes("c:\\ProjectX\\" + file), Golden("sources/gui/defaults/" + name));
    const bool header = file[0] == 'I';
    const TreeNode* node = build.tree.Find((header ? "INC:" : "GUI:") + name);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->image, header ? 5 : 4);
  }
  // The engine sources come before, and no requester is written.
  EXPECT_TRUE(std::any_of(written.begin(), first,
                          [](const auto& w) { return w.first == "c:\\ProjectX\\Engine\\engine.cpp"; }));
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Include\\MsgI.h"));
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\GUI\\MsgI.cpp"));

  std::vector<std::string> gui_files;
  std::vector<std::string> include_files;
  for (const auto& [path, count] : written) {
    if (path.rfind("c:\\ProjectX\\GUI\\", 0) == 0) gui_files.push_back("GUI:" + path.substr(16));
    if (path.rfind("c:\\ProjectX\\Include\\", 0) == 0) include_files.push_back("INC:" + path.substr(20));
  }
  EXPECT_EQ(build.tree.Children("GUI"), gui_files);
  EXPECT_EQ(build.tree.Children("INC"), include_files);
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
