#include <gtest/gtest.h>

#include <algorithm>

#include "driver/build_driver.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::TestBuild;

// The build's own command model is empty, so the handler has no cases and
// its count differs from the sample's; every other file is the default one.
// Each file hangs under its directory node.
TEST(GuiStep, WritesTheNineSourcesInOrderWithTheirCountsAndTreeNodes) {
  TestBuild build;
  build.context.launch = false;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed) << outcome.error;
  // "Writing:" paths, each with the count reported after it.
  std::vector<std::string> written;
  for (const std::string& line : build.report.Lines()) {
    if (line.rfind("Writing:  c:\\ProjectX\\", 0) == 0) written.push_back(line.substr(22));
    if (line.rfind("\tWrote ", 0) == 0 && !written.empty()) written.back() += " " + line.substr(7);
  }
  auto first = std::find(written.begin(), written.end(), "GUI\\Main.cpp 46 lines.");
  ASSERT_GE(written.end() - first, 9);
  EXPECT_EQ(std::vector<std::string>(first, first + 9),
            (std::vector<std::string>{"GUI\\Main.cpp 46 lines.", "Include\\App.h 47 lines.", "GUI\\App.cpp 50 lines.",
                                      "Include\\Doc.h 62 lines.", "GUI\\Doc.cpp 191 lines.",
                                      "Include\\AppUI.h 65 lines.", "GUI\\AppUI.cpp 405 lines.",
                                      "Include\\AppView.h 46 lines.", "GUI\\AppView.cpp 63 lines."}));
  // The engine sources come before, and no requester is written.
  EXPECT_NE(std::find(written.begin(), first, "Engine\\engine.cpp 73 lines."), first);
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Include\\MsgI.h"));
  for (const char* name : {"Main.cpp", "App.h", "App.cpp", "Doc.h", "Doc.cpp", "AppUI.h", "AppView.h", "AppView.cpp"}) {
    const bool header = std::string(name).back() == 'h';
    EXPECT_EQ(build.Bytes(std::string("c:\\ProjectX\\") + (header ? "Include\\" : "GUI\\") + name),
              Golden(std::string("sources/gui/defaults/") + name)) << name;
    EXPECT_EQ(build.tree.Find((header ? "INC:" : "GUI:") + std::string(name))->image, header ? 5 : 4) << name;
  }
}

}  // namespace
}  // namespace kelvad
