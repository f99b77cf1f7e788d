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

TEST(HotkeyClassification, EveryFormHasOneTable) {
  EXPECT_EQ(ClassifyHotkey("^n"), HotkeyTable::kControl);
  EXPECT_EQ(ClassifyHotkey("^z"), HotkeyTable::kControl);
  EXPECT_EQ(ClassifyHotkey("^S"), HotkeyTable::kShiftControl);
  EXPECT_EQ(ClassifyHotkey("^A"), HotkeyTable::kShiftControl);
  EXPECT_EQ(ClassifyHotkey("a"), HotkeyTable::kPlain);
  EXPECT_EQ(ClassifyHotkey("Q"), HotkeyTable::kPlain);
  EXPECT_EQ(ClassifyHotkey("1"), HotkeyTable::kPlain);
  EXPECT_EQ(ClassifyHotkey(""), HotkeyTable::kNone);
  EXPECT_EQ(ClassifyHotkey("^"), HotkeyTable::kNone);
  EXPECT_EQ(ClassifyHotkey("^1"), HotkeyTable::kNone);
  EXPECT_EQ(ClassifyHotkey("^-"), HotkeyTable::kNone);
  // Letters are told by character code: '[' and '`' lie between the cases.
  EXPECT_EQ(ClassifyHotkey("^["), HotkeyTable::kNone);
  EXPECT_EQ(ClassifyHotkey("^`"), HotkeyTable::kNone);
  EXPECT_EQ(ClassifyHotkey("^\xC3\x84"), HotkeyTable::kNone);  // Ä is no A..Z
}

TEST(HotkeyClassification, KeysAreLowerCasedInEveryTable) {
  EXPECT_EQ(HotkeyKey("^n", HotkeyTable::kControl), "n");
  EXPECT_EQ(HotkeyKey("^S", HotkeyTable::kShiftControl), "s");
  EXPECT_EQ(HotkeyKey("a", HotkeyTable::kPlain), "a");
  EXPECT_EQ(HotkeyKey("Q", HotkeyTable::kPlain), "q");
}

TEST(HotkeyNotation, OneOrTwoCharacters) {
  for (const char* good : {"", "^a", "^Z", "a", "Q", "1", "\xC3\xA4"}) EXPECT_TRUE(IsHotkeyNotation(good)) << good;
  for (const char* bad : {"^", "^1", "^ab", "ab", "Ctrl+N", "\t"}) EXPECT_FALSE(IsHotkeyNotation(bad)) << bad;
}

TEST(MenuItemCollection, DefaultTreeDepthFirstAndSortedIntoTables) {
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  CollectMenuItems(model);
  EXPECT_EQ(Commands(model.menu_items),
            "EEikCmdFileNew=^n EEikCmdFileImport= EEikCmdFileExport= EEikCmdFileRevert=^r EEikCmdFileMerge= "
            "EEikCmdExit=^e EEikCmdEditCut=^x EEikCmdEditCopy=^c EEikCmdEditPaste=^v EEikCmdEditSelectAll=^a "
            "EEikCmdZoomIn=^m EEikCmdZoomOut=^M EVelCmdViewToolbar=^t EEikCmdIrdaSend= EEikCmdIrdaReceive= "
            "EEikCmdHelpContents=^H EEikCmdHelpSearch= EEikCmdHelpAbout=^A");
  EXPECT_EQ(Commands(model.control_hotkeys),
            "EEikCmdFileNew=^n EEikCmdFileRevert=^r EEikCmdExit=^e EEikCmdEditCut=^x EEikCmdEditCopy=^c "
            "EEikCmdEditPaste=^v EEikCmdEditSelectAll=^a EEikCmdZoomIn=^m EVelCmdViewToolbar=^t");
  EXPECT_EQ(Commands(model.shift_control_hotkeys), "EEikCmdZoomOut=^M EEikCmdHelpContents=^H EEikCmdHelpAbout=^A");
  EXPECT_EQ(Commands(model.plain_hotkeys), "");
  EXPECT_EQ(model.used_commands, std::vector<std::string>{"EVelCmdViewToolbar"});
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

TEST(MenuItemCollection, CascadeItemsComeInPlace) {
  CommandModel model;
  LoadStandardCommands(model);
  AddMenu(model, "A", "");
  AddMenuItem(model, "A", "EEikCmdEditCut");
  AddMenu(model, "B", "A");
  AddMenu(model, "C", "B");
  AddMenuItem(model, "C", "EEikCmdEditCopy");
  AddMenuItem(model, "B", "EEikCmdEditPaste");
  AddMenuItem(model, "A", "EEikCmdEditUndo");
  CollectMenuItems(model);
  EXPECT_EQ(Commands(model.menu_items), "EEikCmdEditCut=^x EEikCmdEditCopy=^c EEikCmdEditPaste=^v EEikCmdEditUndo=^z");
}

}  // namespace
}  // namespace kelvad
