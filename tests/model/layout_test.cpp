#include <gtest/gtest.h>

#include "model/layout.h"

namespace kelvad {
namespace {

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
