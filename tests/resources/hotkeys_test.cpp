#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/command_list.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

std::string Commands(const std::vector<MenuItemRecord>& records) {
  std::string out;
  for (const MenuItemRecord& r : records) out += (out.empty() ? "" : " ") + r.command + "=" + r.hotkey;
  return out;
}

TEST(HotkeyClassification, EveryFormHasOneTableAndALowerCaseKey) {
  struct Case {
    const char* hotkey;
    HotkeyTable table;
    const char* key;
  } cases[] = {
      {"^n", HotkeyTable::kControl, "n"}, {"^z", HotkeyTable::kControl, "z"}, {"^S", HotkeyTable::kShiftControl, "s"},
      {"^A", HotkeyTable::kShiftControl, "a"}, {"a", HotkeyTable::kPlain, "a"}, {"Q", HotkeyTable::kPlain, "q"},
      {"1", HotkeyTable::kPlain, "1"}, {"", HotkeyTable::kNone, nullptr}, {"^", HotkeyTable::kNone, nullptr},
      {"^1", HotkeyTable::kNone, nullptr}, {"^-", HotkeyTable::kNone, nullptr},
      // Letters are told by character code: '[' and '`' lie between the cases.
      {"^[", HotkeyTable::kNone, nullptr}, {"^`", HotkeyTable::kNone, nullptr},
      {"^\xC3\x84", HotkeyTable::kNone, nullptr},  // Ä is no A..Z
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hotkey);
    EXPECT_EQ(ClassifyHotkey(c.hotkey), c.table);
    if (c.key) EXPECT_EQ(HotkeyKey(c.hotkey, c.table), c.key);
  }
}

TEST(HotkeyNotation, OneOrTwoCharacters) {
  for (const char* good : {"", "^a", "^Z", "a", "Q", "1", "\xC3\xA4"}) EXPECT_TRUE(IsHotkeyNotation(good)) << good;
  for (const char* bad : {"^", "^1", "^ab", "ab", "Ctrl+N", "\t"}) EXPECT_FALSE(IsHotkeyNotation(bad)) << bad;
}

TEST(MenuItemCollection, ExtraHotkeysFollowTheMenuItems) {
  CommandModel model;
  LoadStandardCommands(model);
  AddCommand(model, "CmdUser", "User", "");
  AddMenu(model, "Go", "");
  AddMenuItem(model, "Go", "EEikCmdFileNew");
  AddMenuItem(model, "Go", "EEikCmdFileOpen");
  model.extra_hotkeys.push_back({"CmdUser", "", "a"});
  model.extra_hotkeys.push_back({"EVelCmdZoomSet", "", "^E"});
  model.extra_hotkeys.push_back({"CmdOdd", "", "^1"});
  CollectMenuItems(model);
  EXPECT_EQ(Commands(model.control_hotkeys), "EEikCmdFileNew=^n EEikCmdFileOpen=^o");
  EXPECT_EQ(Commands(model.plain_hotkeys), "CmdUser=a");
  EXPECT_EQ(Commands(model.shift_control_hotkeys), "EVelCmdZoomSet=^E");
  // Extras are not menu items, but their commands are used.
  EXPECT_EQ(model.menu_items.size(), 2u);
  EXPECT_EQ(model.used_commands, (std::vector<std::string>{"CmdUser", "EVelCmdZoomSet", "CmdOdd"}));
}

TEST(MenuItemCollection, CollectingAgainStartsAfreshButKeepsUsedCommands) {
  CommandModel model;
  LoadStandardCommands(model);
  AddCommand(model, "CmdGone", "Gone", "g");
  AddMenu(model, "Go", "");
  AddMenuItem(model, "Go", "CmdGone");
  CollectMenuItems(model);
  ASSERT_TRUE(DeleteMenuNode(model.menus, "I:CmdGone"));
  CollectMenuItems(model);
  EXPECT_TRUE(model.menu_items.empty());
  EXPECT_TRUE(model.plain_hotkeys.empty());
  EXPECT_EQ(model.used_commands, std::vector<std::string>{"CmdGone"});
}

}  // namespace
}  // namespace kelvad
