#include <gtest/gtest.h>

#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

CommandModel Startup() {
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  AddCommand(model, "ECmdSaved", "From cmdlist.dat", "^q");  // as cmdlist.dat gives it
  return model;
}

TEST(DescriptionWriter, WhatItWritesReadsBackToTheSameState) {
  Settings settings;
  settings.name = "Notes";
  settings.app_name = "Notizen \xC3\xA4";
  settings.drive = "d: [/somewhere]";
  settings.messaging = true;
  settings.vc_version = 4;
  CommandModel model = Startup();
  AddCommand(model, "ECmdNew", "Fresh, \"quoted\"", "");
  InsertMenu(model, "M:View", Placement::kAfter, "Notes");
  InsertMenuItem(model, "M:Notes", Placement::kChild, "ECmdNew", "^K");
  InsertMenu(model, "I:ECmdNew", Placement::kAfter, "Deep");
  InsertMenuItem(model, "M:Deep", Placement::kChild, "ECmdSaved", "");
  AddToolbarButton(model, "ECmdNew", "New!");
  model.extra_hotkeys.push_back({"EEikCmdFileSave", "", "^S"});

  std::string text = FormatProjectDescription(settings, model, StandardCommandCount());
  Settings read_settings;
  CommandModel read_model = Startup();
  ApplyProjectDescription(ParseProjectDescription(text), read_settings, read_model);

  for (const SettingInfo& info : SettingTable()) {
    if (info.text == &Settings::drive) continue;
    EXPECT_EQ(SettingText(read_settings, info), SettingText(settings, info)) << info.key;
  }
  EXPECT_EQ(read_settings.drive, "d:");
  ASSERT_EQ(read_model.commands.size(), model.commands.size());  // ECmdSaved not added twice
  EXPECT_EQ(read_model.commands.back().menu_text, "Fresh, \"quoted\"");
  const MenuNode* item = FindMenuNode(read_model.menus, "I:ECmdNew");
  ASSERT_TRUE(item);
  EXPECT_EQ(item->tag, "^K");
  EXPECT_EQ(FindMenuNode(read_model.menus, "M:Notes")->children.size(), 2u);
  EXPECT_EQ(FlattenMenuItems(read_model.menus).size(), FlattenMenuItems(model.menus).size());
  EXPECT_EQ(read_model.toolbar[0].text, "New!");
  EXPECT_EQ(read_model.extra_hotkeys[0].hotkey, "^S");
  // Saving what was read gives the same text.
  EXPECT_EQ(FormatProjectDescription(read_settings, read_model, StandardCommandCount()),
            FormatProjectDescription(settings, model, StandardCommandCount()));
}

TEST(DescriptionWriter, AChangedSavedCommandIsStillAConflict) {
  CommandModel model = Startup();
  Settings settings;
  EXPECT_THROW(ApplyProjectDescription(
                   ParseProjectDescription(R"({"commands": [{"name": "ECmdSaved", "text": "Other"}]})"), settings, model),
               DescriptionError);
}

}  // namespace
}  // namespace kelvad
