#include <gtest/gtest.h>

#include "driver/directories.h"
#include "model/layout.h"
#include "platform/errors.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

std::vector<std::string> CreatedDirectories(const Report& report) {
  std::vector<std::string> dirs;
  for (const auto& line : report.Lines()) {
    if (line.rfind("Creating Directory: ", 0) == 0) dirs.push_back(line.substr(20));
  }
  return dirs;
}

// Counts progress steps by watching the bar.
class StepCounter : public ReportView {
 public:
  void ProgressChanged(int value, int) override {
    if (value == last_ + 1) ++steps;
    last_ = value;
  }
  int steps = 0;

 private:
  int last_ = 0;
};

TEST(CreateProjectDirectories, AllOptionsMakeElevenDirectoriesInOrder) {
  TestBuild build;
  CreateProjectDirectories(build.context);
  EXPECT_EQ(CreatedDirectories(build.report),
            (std::vector<std::string>{"c:\\ProjectX", "c:\\ProjectX\\Include", "c:\\ProjectX\\AIF",
                                      "c:\\ProjectX\\Engine", "c:\\ProjectX\\GUI", "c:\\ProjectX\\Help",
                                      "c:\\ProjectX\\Help\\Pictures", "c:\\ProjectX\\Help\\Database",
                                      "c:\\ProjectX\\Help\\Documents", "c:\\ProjectX\\Help\\Temp",
                                      "c:\\ProjectX\\distrib"}));
  EXPECT_EQ(build.fs.Stat("/c/ProjectX/Help/Documents"), EntryKind::kDirectory);
  EXPECT_EQ(build.report.Lines().front(), "Creating Directories ...");
}

TEST(CreateProjectDirectories, TreeNodesCarryKeysTextsAndImages) {
  TestBuild build;
  build.settings.drive = "d: [DATA]";
  build.drives.Map('d', "/c");
  CreateProjectDirectories(build.context);
  const TreeNode* root = build.tree.Find("ROOT");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text, "PC");
  EXPECT_EQ(root->image, 1);
  EXPECT_EQ(build.tree.Find("DRIVE")->text, "d:");
  EXPECT_EQ(build.tree.Find("DRIVE")->image, 2);
  const TreeNode* prj = build.tree.Find("PRJ");
  EXPECT_EQ(prj->text, "ProjectX");
  EXPECT_EQ(prj->parent, "DRIVE");
  EXPECT_EQ(prj->image, 7);
  EXPECT_EQ(prj->selected_image, 6);
  const TreeNode* pictures = build.tree.Find("H_D_PICTURES");
  EXPECT_EQ(pictures->image, 4);
  EXPECT_EQ(pictures->selected_image, 0);
  EXPECT_EQ(pictures->parent, "HELP");
  EXPECT_EQ(build.tree.Find("DIST")->text, "distrib");
  EXPECT_EQ(build.tree.Find("INC")->text, "include");
}

TEST(CreateProjectDirectories, OnlyTheAlwaysRowsWithTemplatesHelpAndPackageOff) {
  TestBuild build;
  build.settings.engine = build.settings.gui = build.settings.help = build.settings.sis = false;
  StepCounter counter;
  build.report.set_view(&counter);
  CreateProjectDirectories(build.context);
  EXPECT_EQ(CreatedDirectories(build.report),
            (std::vector<std::string>{"c:\\ProjectX", "c:\\ProjectX\\Include", "c:\\ProjectX\\AIF"}));
  // The drive node and three directories step the bar before the AIF steps start their own stage.
  EXPECT_GE(counter.steps, 4);
  EXPECT_EQ(build.tree.Find("ENG"), nullptr);
}

TEST(CreateProjectDirectories, AnExistingProjectDirectoryEndsTheStep) {
  TestBuild build;
  build.MakeProjectDirectories({});
  EXPECT_THROW(CreateProjectDirectories(build.context), Error);
}

}  // namespace
}  // namespace kelvad
