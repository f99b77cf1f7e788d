#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/name_index.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

const std::string* NameOf(const Command& c) { return &c.name; }
// Leaves out the commands without a hotkey.
const std::string* HotkeyNameOf(const Command& c) { return c.hotkey.empty() ? nullptr : &c.name; }

// Each look-up sees the list as it is now, however it was changed since the last one.
TEST(NameIndex, FollowsTheListThroughEveryKindOfChange) {
  std::vector<Command> list = {{"A", "", ""}, {"B", "", ""}, {"A", "second A", ""}};
  NameIndex index;
  EXPECT_EQ(index.Find(list, NameOf, "A"), 0u);  // the first of two
  EXPECT_EQ(index.Find(list, NameOf, "C"), NameIndex::npos);

  list.push_back({"C", "", ""});
  EXPECT_EQ(index.Find(list, NameOf, "C"), 3u);

  std::swap(list[0], list[3]);  // reordered in place
  EXPECT_EQ(index.Find(list, NameOf, "C"), 0u);
  EXPECT_EQ(index.Find(list, NameOf, "A"), 2u);

  list.erase(list.begin());  // shorter
  EXPECT_EQ(index.Find(list, NameOf, "C"), NameIndex::npos);
  EXPECT_EQ(index.Find(list, NameOf, "B"), 0u);

  // Emptied and refilled to the same length in the same storage.
  list.reserve(10);
  EXPECT_EQ(index.Find(list, NameOf, "B"), 0u);
  list.clear();
  for (const char* name : {"X", "Y", "Z"}) list.push_back({name, "", ""});
  EXPECT_EQ(index.Find(list, NameOf, "Y"), 1u);
  EXPECT_EQ(index.Find(list, NameOf, "B"), NameIndex::npos);

  // Replaced by a list of the same length elsewhere.
  list = std::vector<Command>{{"P", "", ""}, {"Q", "", ""}, {"R", "", ""}};
  EXPECT_EQ(index.Find(list, NameOf, "Q"), 1u);

  // Only a name written over in the middle needs telling.
  list[1].name = "S";
  index.Forget();
  EXPECT_EQ(index.Find(list, NameOf, "S"), 1u);
  EXPECT_EQ(index.Find(list, NameOf, "Q"), NameIndex::npos);
}

TEST(NameIndex, EntriesWithoutANameAreLeftOut) {
  std::vector<Command> list = {{"A", "", ""}, {"B", "", "^b"}, {"A", "", "^a"}};
  list.reserve(10);
  NameIndex index;
  EXPECT_EQ(index.Find(list, HotkeyNameOf, "A"), 2u);
  EXPECT_EQ(index.Find(list, HotkeyNameOf, "B"), 1u);
  // Refilled in place: the first entry, left out before, now has a name.
  list.clear();
  for (const char* name : {"C", "B", "A"}) list.push_back({name, "", "^c"});
  list[1].hotkey.clear();
  EXPECT_EQ(index.Find(list, HotkeyNameOf, "C"), 0u);
  EXPECT_EQ(index.Find(list, HotkeyNameOf, "B"), NameIndex::npos);
}

CommandModel StartedModel() {
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  return model;
}

// The model's look-ups stay right when its lists are changed directly or refilled.
TEST(CommandModelIndexes, LookUpsAfterTheListsChange) {
  CommandModel model = StartedModel();
  ASSERT_NE(FindCommand(model, "EEikCmdExit"), nullptr);
  ResetCommandList(model);
  AddCommand(model, "CmdOnly", "Only", "");
  EXPECT_EQ(FindCommand(model, "EEikCmdExit"), nullptr);
  EXPECT_EQ(FindCommand(model, "CmdOnly")->menu_text, "Only");

  AddUsedCommand(model, "CmdA");
  model.used_commands.clear();
  AddUsedCommand(model, "CmdA");
  AddUsedCommand(model, "CmdA");
  EXPECT_EQ(model.used_commands, std::vector<std::string>{"CmdA"});

  EXPECT_TRUE(AddToolbarButton(model, "CmdA", "A"));
  model.toolbar = {{"CmdB", "B"}};
  EXPECT_TRUE(HasToolbarButton(model, "CmdB"));
  EXPECT_FALSE(HasToolbarButton(model, "CmdA"));
  EXPECT_TRUE(AddToolbarButton(model, "CmdA", "A"));
  EXPECT_FALSE(AddToolbarButton(model, "CmdB", "B"));
}

// Collecting the menu items again replaces the hotkeys panel's rows, even
// when the new tree has as many items as the old one.
TEST(CommandModelIndexes, ExtraHotkeysFollowTheCollectedItems) {
  CommandModel model = StartedModel();
  CollectMenuItems(model);
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdEditCut", "x"));  // ^x on its item
  size_t items = model.menu_items.size();
  ASSERT_TRUE(DeleteMenuNode(model.menus, "I:EEikCmdEditCut"));
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCopy", Placement::kBefore, "EEikCmdFileSave", "^s"));
  CollectMenuItems(model);
  ASSERT_EQ(model.menu_items.size(), items);
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdFileSave", "q"));
  EXPECT_TRUE(AddExtraHotkey(model, "EEikCmdEditCut", "x"));
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdEditCut", "y"));
}

TEST(CommandModelIndexes, DefinedCommandsViewAfterDeletingAndFilling) {
  CommandModel model = StartedModel();
  DefinedCommandsView view;
  view.Fill(model);
  ASSERT_TRUE(view.Add(model, "CmdA", "A", ""));
  ASSERT_TRUE(view.Add(model, "CmdB", "B", ""));
  EXPECT_FALSE(view.CanAdd("CmdA"));
  EXPECT_FALSE(view.CanAdd("EEikCmdNew"));
  EXPECT_EQ(view.Delete("CmdA"), DefinedCommandsView::Deletion::kDeleted);
  EXPECT_TRUE(view.CanAdd("CmdA"));
  EXPECT_FALSE(view.CanAdd("CmdB"));
  EXPECT_EQ(view.Delete("CmdB"), DefinedCommandsView::Deletion::kDeleted);
  view.Fill(model);  // both are still commands
  EXPECT_FALSE(view.CanAdd("CmdA"));
  EXPECT_FALSE(view.CanAdd("CmdB"));
  for (const char* name : {"CmdA", "CmdC", "EVelCmdZoomSet", ""}) {
    EXPECT_EQ(view.CanAdd(name), CanAddCommandName(view.rows, name)) << name;
  }
}

// The description reader's check of an extra hotkey agrees with the hotkeys
// panel's availability rule for every hotkey the panel can compose, whatever
// hotkeys the menu items carry (commands saved in cmdlist.dat may bring any).
TEST(ProjectDescriptionHotkeys, ExtraHotkeysFollowTheAvailabilityRule) {
  CommandModel started = StartedModel();
  const std::vector<std::pair<std::string, std::string>> saved = {
      {"CmdCtrl", "^k"}, {"CmdShift", "^K"}, {"CmdPlain", "m"},   {"CmdUpperPlain", "N"},
      {"CmdDigit", "1"}, {"CmdCaret", "^"},  {"CmdCaretDigit", "^7"}, {"CmdAccent", "\xC3\xA9"}};
  std::string items;
  for (const auto& [name, hotkey] : saved) {
    AddCommand(started, name, name, hotkey);
    items += std::string(items.empty() ? "" : ", ") + R"({"command": ")" + name + "\"}";
  }
  AddCommand(started, "CmdFree", "Free", "");
  const std::string menus = R"("menus": [{"title": "Saved", "items": [)" + items + "]}]";

  CommandModel shown = started;
  Settings unused;
  ApplyProjectDescription(ParseProjectDescription("{" + menus + "}"), unused, shown);
  CollectMenuItems(shown);
  std::vector<std::string> rows;
  for (const HotkeyRow& row : DefinedHotkeyRows(shown)) rows.push_back(row.hotkey);
  ASSERT_EQ(rows.size(), saved.size());

  int refused = 0;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    for (HotkeyModifier modifier : {HotkeyModifier::kCtrl, HotkeyModifier::kShiftCtrl, HotkeyModifier::kPlain}) {
      const std::string key(1, letter);
      const std::string hotkey = ComposeHotkey(modifier, key);
      SCOPED_TRACE(hotkey);
      bool available = UpdateHotkeyAvailability(rows, key, modifier).add;
      CommandModel model = started;
      Settings settings;
      bool accepted = true;
      try {
        ApplyProjectDescription(
            ParseProjectDescription("{" + menus + R"(, "hotkeys": [{"command": "CmdFree", "hotkey": ")" + hotkey +
                                    "\"}]}"),
            settings, model);
      } catch (const DescriptionError&) {
        accepted = false;
      }
      EXPECT_EQ(accepted, available);
      refused += !available;
    }
  }
  EXPECT_EQ(refused, 4);  // ^k, ^K, m and n
}

TEST(ProjectDescriptionJson, KeysRepeatOnlyWithinOneObject) {
  Settings settings;
  CommandModel model = StartedModel();
  try {
    ApplyProjectDescription(ParseProjectDescription(R"({"commands": [{"name": "CmdA", "name": "CmdB"}]})"),
                            settings, model);
    ADD_FAILURE() << "accepted";
  } catch (const DescriptionError& e) {
    EXPECT_NE(std::string(e.what()).find("\"name\" is given twice"), std::string::npos) << e.what();
  }
  EXPECT_NO_THROW(ParseProjectDescription(
      R"({"commands": [{"name": "CmdA", "text": "A"}, {"name": "CmdB", "text": "B"}], "toolbar": [{"text": "t", "command": "CmdA"}]})"));
}

}  // namespace
}  // namespace kelvad
