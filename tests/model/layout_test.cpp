#include <gtest/gtest.h>

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

TEST(LayoutPreview, RefreshBuildsBothBaseTrees) {
  LayoutPreview preview;
  Settings settings;
  settings.name = "Demo";
  RefreshLayoutPreview(preview, settings);
  std::vector<std::string> keys;
  for (auto* node : preview.pc.InDisplayOrder()) keys.push_back(node->key);
  EXPECT_EQ(keys, (std::vector<std::string>{"ROOT", "DRIVE", "PRJ"}));
  keys.clear();
  for (auto* node : preview.device.InDisplayOrder()) keys.push_back(node->text);
  EXPECT_EQ(keys, (std::vector<std::string>{"EPOC Device", "System", "Apps", "Demo", "Demo.APP", "Demo.AIF"}));
  EXPECT_EQ(preview.device.Find("F0")->image, 9);
}

TEST(LayoutPreview, EngineOffThenGuiOnLeavesOnlyGuiHeadersInInclude) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  ShowEngineInPreview(preview, true);
  ShowEngineInPreview(preview, false);
  EXPECT_FALSE(preview.engine_options_enabled);
  ShowGuiInPreview(preview, true);
  EXPECT_TRUE(preview.engine_options_enabled);
  std::vector<std::string> texts;
  for (auto& key : preview.pc.Children("INC")) texts.push_back(preview.pc.Find(key)->text);
  EXPECT_EQ(texts, (std::vector<std::string>{"doc.h", "app.h", "appui.h", "appview.h"}));
  texts.clear();
  for (auto& key : preview.pc.Children("GUI")) texts.push_back(preview.pc.Find(key)->text);
  EXPECT_EQ(texts, (std::vector<std::string>{"doc.cpp", "app.cpp", "appui.cpp", "appview.cpp", "main.cpp"}));
}

TEST(LayoutPreview, TogglesIgnoreDuplicatesAndMissingNodes) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  ShowEngineInPreview(preview, true);
  ShowEngineInPreview(preview, true);
  EXPECT_EQ(preview.pc.Children("PRJ").size(), 2u);  // ENG and INC once each
  ShowGuiInPreview(preview, false);
  ShowTextUiInPreview(preview, false, false);
  EXPECT_FALSE(preview.text_ui_count_enabled);
  ShowTextUiInPreview(preview, true, true);
  EXPECT_TRUE(preview.pc.Contains("TUI"));
  EXPECT_TRUE(preview.pc.Contains("INC"));
}

}  // namespace
}  // namespace kelvad
