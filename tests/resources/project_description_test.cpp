#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

// Applies a description to a model (freshly started unless given); returns
// the error message, or empty when it was accepted.
struct Applied {
  Settings settings;
  CommandModel model;
  std::string error;
};

Applied Apply(const std::string& json, CommandModel model = testing::StartedModel()) {
  Applied out{Settings(), std::move(model), ""};
  try {
    ApplyProjectDescription(ParseProjectDescription(json), out.settings, out.model);
  } catch (const DescriptionError& e) {
    out.error = e.what();
  }
  return out;
}

// Menus replace the default tree; items may override the text and the
// hotkey (texts defaulting to the command's are checked end to end by the
// command-line tests); a button takes the menu text unless it gives one.
// The README's example is accepted as it stands.
TEST(ProjectDescription, EverySectionWithItsDefaults) {
  const std::string readme = testing::HostBytes(std::string(KELVAD_GOLDEN_DIR) + "/../../README.md");
  const size_t example = readme.find("```json\n") + 8;
  ASSERT_GE(example, 8u);
  const Applied notes = Apply(readme.substr(example, readme.find("```", example) - example));
  EXPECT_EQ(notes.error, "");
  EXPECT_EQ(notes.settings.name + std::to_string(notes.model.extra_hotkeys.size()), "Notes2");
  Applied a = Apply(R"({"settings": {"name": "Demo", "toolbar": false, "menu": 0, "vc_version": 5, "engine": "1"},
    "commands": [{"name": "CmdDemo", "text": "Demo", "hotkey": "^d"}, {"name": "CmdBare"}],
    "menus": [{"title": "Main", "items": [{"command": "EEikCmdExit", "text": "Quit", "hotkey": "q"},
        {"title": "Sub", "items": [{"command": "EEikCmdFileNew", "hotkey": ""}]}]}, {"title": "Empty"}],
    "toolbar": [{"command": "EEikCmdFileNew"}, {"command": "EEikCmdExit", "text": "Bye"}],
    "hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "^o"}, {"command": "EEikCmdFileSave", "hotkey": "s"}]})");
  ASSERT_EQ(a.error, "");
  const Settings& s = a.settings;
  EXPECT_EQ(s.name + (s.toolbar ? "T" : "-") + (s.menu ? "M" : "-") + (s.engine ? "E" : "-") + std::to_string(s.vc_version),
            "Demo--E5");
  const std::vector<Command>& c = a.model.commands;
  ASSERT_EQ(c.size(), 43u);
  EXPECT_EQ(c[41].menu_text + c[41].hotkey + "|" + c[42].name + "|" + c[42].menu_text + c[42].hotkey, "Demo^d|CmdBare|");
  ASSERT_EQ(a.model.menus.size(), 2u);
  const MenuNode& main = a.model.menus[0];
  ASSERT_EQ(main.children.size(), 2u);
  EXPECT_EQ(main.children[0].text + " " + main.children[0].tag, "Quit q");
  EXPECT_EQ(main.children[1].children.at(0).tag, "");  // not the command's ^n
  EXPECT_TRUE(a.model.menus[1].children.empty());
  ASSERT_EQ(a.model.toolbar.size(), 2u);
  EXPECT_EQ(a.model.toolbar[0].text + "|" + a.model.toolbar[1].text, "Create new file...|Bye");
  EXPECT_EQ(a.model.extra_hotkeys.size(), 2u);
}

// Each message names the offending entry and says what is wrong: one row
// per way of refusing, then near misses that are accepted. A refusal, even
// the last entry's, leaves settings and model as they were; an empty
// description is no refusal and changes nothing either.
TEST(ProjectDescriptionErrors, EntriesAreNamed) {
  struct Case {
    std::string json, where, what;
  } cases[] = {
      {R"({"settings": {"name": "Changed"}, "commands": [{"name": "CmdNew"}], "menus": [],
           "toolbar": [{"command": "CmdNope"}]})", "toolbar[0]", "not in the command list"},
      {"{\n  \"settings\": {\n    \"name\": \"x\",\n  }\n}", "not valid JSON", "line 4, column 3"},
      {"{\"commands\": [", "not valid JSON", "line 1, column 15"},  // just past the end
      {R"({"settings": {"vc_version": 1e400}})", "not valid JSON", "overflow parsing '1e400'"},
      {R"({"commands": [{"name": "CmdA", "name": "CmdB"}]})", "\"name\"", "given twice"},
      {R"([])", "the description", "must be an object"},
      {R"({"menus": [{"title": "M", "items": [{"command": "EEikCmdExit", "key": "q"}]}]})", "menus[0].items[0]", "\"key\""},
      {R"({"settings": {"colour": "red"}})", "settings", "\"colour\""},
      {R"({"settings": {"name": 5}})", "settings.name", "must be a string"},
      {R"({"settings": {"vc_version": 7}})", "settings", "vc_version"},
      {R"({"commands": [{"name": "CmdA", "text": "two\nlines"}]})", "commands[0].text", "line break"},
      {R"({"menus": [{"title": "\u65e5\u672c"}]})", "menus[0].title", "Windows-1252"},
      {R"({"commands": [{"text": "no name"}]})", "commands[0]", "\"name\""},
      {R"({"commands": [{"name": ""}]})", "commands[0].name", "empty"},
      {R"({"commands": [{"name": "CmdA", "hotkey": "Ctrl+A"}]})", "commands[0].hotkey", "not a hotkey"},
      {R"({"commands": [{"name": "EEikCmdMine"}]})", "commands[0]", "EEik"},
      {R"({"commands": [{"name": "CmdA"}, {"name": "CmdA"}]})", "commands[1]", "already in the command list"},
      {R"({"menus": [{"command": "EEikCmdExit"}]})", "menus[0]", "title"},
      {R"({"menus": [{"title": "M", "items": [{"title": "S", "command": "EEikCmdExit"}]}]})", "menus[0].items[0]", "not both"},
      {R"({"menus": [{"title": "F", "items": [{"title": "E"}]}, {"title": "E"}]})", "menus[1]", "at menus[0].items[0]"},
      {R"({"menus": [{"title": "M", "items": [{"command": "CmdNope"}]}]})", "menus[0].items[0]", "\"CmdNope\" is not in the"},
      {R"({"toolbar": [{"command": "CmdNope"}]})", "toolbar[0]", "not in the command list"},
      {R"({"toolbar": [{"command": "EEikCmdExit"}, {"command": "EEikCmdExit"}]})", "toolbar[1]", "already has a toolbar"},
      {R"({"hotkeys": [{"command": "CmdNope", "hotkey": "q"}]})", "hotkeys[0]", "not in the command list"},
      {R"({"hotkeys": [{"command": "EEikCmdFileOpen"}]})", "hotkeys[0]", "\"hotkey\""},
      {R"({"hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "^o"}, {"command": "EEikCmdFileOpen", "hotkey": "^p"}]})",
       "hotkeys[1]", "has the hotkey \"^o\""},
      {R"({"hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "o"}, {"command": "EEikCmdFileSave", "hotkey": "o"}]})",
       "hotkeys[1]", "taken by \"EEikCmdFileOpen\""},
      // The menus the description gives count, not the default ones.
      {R"({"menus": [{"title": "M", "items": [{"command": "EEikCmdEditUndo", "hotkey": "^q"}]}],
            "hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "^q"}]})", "hotkeys[0]", "EEikCmdEditUndo"},
      // Valid notation, but not what the hotkeys panel can compose.
      {R"({"hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "O"}]})", "hotkeys[0].hotkey", "extra hotkey"},
      {R"({"hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": ""}]})", "hotkeys[0].hotkey", "extra hotkey"},
      // Near misses, accepted. Keys repeat only within one object.
      {R"({"menus": [], "hotkeys": [{"command": "EEikCmdFileOpen", "hotkey": "^n"}]})", "", ""},
      {R"({"menus": [{"title": "\u00dcbersicht \u20ac"}]})", "", ""}, {"{}", "", ""},
      {R"({"commands": [{"name": "CmdA", "text": "A"}, {"name": "CmdB", "text": "B"}],
           "toolbar": [{"text": "t", "command": "CmdA"}]})", "", ""},
  };
  for (const Case& c : cases) {
    const Applied a = Apply(c.json);
    const std::string& error = a.error;
    if (c.where.empty()) EXPECT_EQ(error, "") << c.json;
    if (!c.where.empty() || c.json == "{}") {
      EXPECT_EQ(a.settings.name, Settings().name) << c.json;
      EXPECT_EQ(a.model.commands.size() + a.model.menus.size(), 41u + 4u) << c.json;
    }
    EXPECT_NE(error.find(c.where), std::string::npos) << c.json << "\nerror: " << error;
    EXPECT_NE(error.find(c.what), std::string::npos) << c.json << "\nerror: " << error;
  }
}

// Menus nested `depth` levels deep, each a cascade of the one above.
std::string NestedMenus(int depth) {
  std::string json = R"({"menus": [)";
  for (int level = 1; level <= depth; ++level) json += R"({"title": "M)" + std::to_string(level) + R"(", "items": [)";
  json += R"({"command": "EEikCmdExit"})";
  for (int level = 1; level <= depth; ++level) json += "]}";
  return json + "]}";
}

// Files larger than the limit are refused by name, unread (missing ones are
// refused end to end by the command-line tests).
TEST(ProjectDescriptionErrors, DeepCascadesAndOversizedFilesAreRefusedBeforeTheyExhaustMemory) {
  EXPECT_EQ(Apply(NestedMenus(kMenuDepthLimit)).error, "");
  EXPECT_NE(Apply(NestedMenus(kMenuDepthLimit + 1)).error.find("nest deeper than 32 levels"), std::string::npos);
  // Within the size limit, but every level used to copy the names of the
  // levels above it: gigabytes, or the stack, before the first refusal.
  std::string where = "menus[0]";
  for (int level = 1; level <= kMenuDepthLimit; ++level) where += ".items[0]";
  std::string error = Apply(NestedMenus(100000)).error;
  EXPECT_EQ(error.rfind(where + ": menus nest deeper", 0), 0u) << error.substr(0, 400);
  MemoryFileSystem fs;
  fs.MakeDirectories("/p");
  fs.Write("/p/big.json", std::string(kDescriptionSizeLimit + 1, ' '));
  error = testing::ErrorOf<DescriptionError>([&] { LoadProjectDescription(fs, "/p/big.json"); });
  EXPECT_NE(error.find("/p/big.json: larger than"), std::string::npos) << error;
}

// The description reader's check of an extra hotkey agrees with the hotkeys
// panel's availability rule for every hotkey the panel can compose, whatever
// hotkeys the menu items carry (commands saved in cmdlist.dat may bring any).
TEST(ProjectDescriptionHotkeys, ExtraHotkeysFollowTheAvailabilityRule) {
  CommandModel started = testing::StartedModel();
  const std::vector<std::string> saved = {"^k", "^K", "m", "N", "1", "^", "^7", "\xC3\xA9"};
  std::string menus = R"({"menus": [{"title": "Saved", "items": [)";
  for (size_t i = 0; i < saved.size(); ++i) {
    AddCommand(started, "Cmd" + std::to_string(i), "Saved", saved[i]);
    menus += std::string(i ? ", " : "") + R"({"command": "Cmd)" + std::to_string(i) + "\"}";
  }
  menus += "]}]";
  AddCommand(started, "CmdFree", "Free", "");
  CommandModel shown = Apply(menus + "}", started).model;
  CollectMenuItems(shown);
  std::vector<std::string> rows;
  for (const HotkeyRow& row : DefinedHotkeyRows(shown)) rows.push_back(row.hotkey);
  ASSERT_EQ(rows.size(), saved.size());

  int refused = 0;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    for (HotkeyModifier modifier : {HotkeyModifier::kCtrl, HotkeyModifier::kShiftCtrl, HotkeyModifier::kPlain}) {
      const std::string key(1, letter), hotkey = ComposeHotkey(modifier, key);
      bool available = UpdateHotkeyAvailability(rows, key, modifier).add;
      std::string error =
          Apply(menus + R"(, "hotkeys": [{"command": "CmdFree", "hotkey": ")" + hotkey + "\"}]}", started).error;
      EXPECT_EQ(error.empty(), available) << hotkey << ": " << error;
      refused += !available;
    }
  }
  EXPECT_EQ(refused, 4);  // ^k, ^K, m and n
}

// What the wizard saves reads back to the same state, and saving that gives
// the same text. The drive is saved without its label.
TEST(DescriptionWriter, WhatItWritesReadsBackToTheSameState) {
  // As start-up leaves the model, with a command from cmdlist.dat.
  CommandModel startup = testing::StartedModel();
  AddCommand(startup, "ECmdSaved", "From cmdlist.dat", "^q");
  Settings settings;
  settings.name = "Notes";
  settings.app_name = "Notizen \xC3\xA4";
  settings.drive = "d: [/somewhere]";
  settings.messaging = true;
  settings.vc_version = 4;
  CommandModel model = startup;
  AddCommand(model, "ECmdNew", "Fresh, \"quoted\"", "");
  InsertMenu(model, "M:View", Placement::kAfter, "Notes");
  InsertMenuItem(model, "M:Notes", Placement::kChild, "ECmdNew", "^K");
  InsertMenu(model, "I:ECmdNew", Placement::kAfter, "Deep");
  InsertMenuItem(model, "M:Deep", Placement::kChild, "ECmdSaved", "");
  AddToolbarButton(model, "ECmdNew", "New!");
  model.extra_hotkeys.push_back({"EEikCmdFileSave", "", "^S"});

  const std::string text = FormatProjectDescription(settings, model, StandardCommandCount());
  Applied read = Apply(text, startup);
  ASSERT_EQ(read.error, "");
  for (const SettingInfo& info : SettingTable()) {
    if (info.text != &Settings::drive) EXPECT_EQ(SettingText(read.settings, info), SettingText(settings, info)) << info.key;
  }
  EXPECT_EQ(read.settings.drive, "d:");
  ASSERT_EQ(read.model.commands.size(), model.commands.size());  // ECmdSaved not added twice
  EXPECT_EQ(read.model.commands.back().menu_text, "Fresh, \"quoted\"");
  ASSERT_TRUE(FindMenuNode(read.model.menus, "I:ECmdNew"));
  EXPECT_EQ(FindMenuNode(read.model.menus, "I:ECmdNew")->tag, "^K");
  EXPECT_EQ(FlattenMenuItems(read.model.menus).size(), FlattenMenuItems(model.menus).size());
  EXPECT_EQ(read.model.toolbar.at(0).text + read.model.extra_hotkeys.at(0).hotkey, "New!^S");
  EXPECT_EQ(FormatProjectDescription(read.settings, read.model, StandardCommandCount()), text);
  // The saved command with other texts is still a conflict.
  EXPECT_NE(Apply(R"({"commands": [{"name": "ECmdSaved", "text": "x"}]})", read.model).error, "");
}

}  // namespace
}  // namespace kelvad
