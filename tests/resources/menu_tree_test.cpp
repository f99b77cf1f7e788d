#include <gtest/gtest.h>

#include "support/test_build.h"

#include <string>
#include <vector>

#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

using testing::StartedModel;

// One line per node: indentation for depth, then key, text and tag.
void Render(const std::vector<MenuNode>& nodes, int depth, std::string& out) {
  for (const MenuNode& node : nodes) {
    out += std::string(2 * depth, ' ') + node.key + " \"" + node.text + "\"";
    if (!node.tag.empty()) out += " " + node.tag;
    out += "\n";
    Render(node.children, depth + 1, out);
  }
}

std::string Render(const std::vector<MenuNode>& roots) {
  std::string out;
  Render(roots, 0, out);
  return out;
}

// The menus panel's editing.

// A new menu or item goes before, after or as the last child of the
// selected node: next to a root menu a menu is another title, next to an
// item a cascade in its menu. An item takes the hotkey given, not its
// command's.
TEST(MenuEditing, NewNodesGoBeforeAfterOrAsLastChild) {
  CommandModel model = StartedModel();
  ASSERT_TRUE(InsertMenu(model, "M:View", Placement::kAfter, "Help"));
  ASSERT_TRUE(InsertMenu(model, "I:EEikCmdFileNew", Placement::kAfter, "Recent"));
  ASSERT_TRUE(InsertMenu(model, "I:EEikCmdFileNew", Placement::kBefore, "First"));
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCut", Placement::kBefore, "EEikCmdEditUndo", "^z"));
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCut", Placement::kAfter, "EEikCmdEditRedo", ""));
  ASSERT_TRUE(InsertMenuItem(model, "M:Edit", Placement::kChild, "EEikCmdSearchFind", "F"));
  std::vector<std::string> roots, file;
  for (const MenuNode& root : model.menus) roots.push_back(root.text);
  for (const MenuNode& child : model.menus[0].children) file.push_back(child.key);
  EXPECT_EQ(roots, (std::vector<std::string>{"File", "Edit", "View", "Help", "Tools"}));
  EXPECT_EQ(file, (std::vector<std::string>{"M:First", "I:EEikCmdFileNew", "M:Recent", "M:More", "I:EEikCmdExit"}));
  EXPECT_EQ(Render(model.menus[1].children),
            "I:EEikCmdEditUndo \"Undo\" ^z\n"
            "I:EEikCmdEditCut \"Cut\" ^x\n"
            "I:EEikCmdEditRedo \"Redo\"\n"
            "I:EEikCmdEditCopy \"Copy\" ^c\n"
            "I:EEikCmdEditPaste \"Paste\" ^v\n"
            "I:EEikCmdEditSelectAll \"Select all\" ^a\n"
            "I:EEikCmdSearchFind \"Find...\" F\n");
}

// What the loaders and the menus panel refuse leaves the tree as it was.
TEST(MenuEditing, RefusalsChangeNothing) {
  CommandModel model = StartedModel();
  std::string before = Render(model.menus);
  EXPECT_FALSE(AddMenuItem(model, "File", "CmdNotThere"));
  EXPECT_FALSE(AddMenuItem(model, "Nowhere", "EEikCmdFileOpen"));
  EXPECT_FALSE(AddMenuItem(model, "Edit", "EEikCmdFileNew"));  // already under File
  EXPECT_FALSE(AddMenu(model, "More", "Edit"));                // title already used
  EXPECT_FALSE(AddMenu(model, "Sub", "Nowhere"));
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, "Edit"));     // title in use
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, "More"));     // also when nested
  EXPECT_FALSE(InsertMenu(model, "M:Nothing", Placement::kAfter, "Help"));  // no such node
  EXPECT_FALSE(InsertMenu(model, "", Placement::kAfter, "Help"));           // nothing selected
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, ""));         // no title
  EXPECT_FALSE(InsertMenuItem(model, "M:View", Placement::kChild, "EEikCmdExit", ""));  // has an item
  EXPECT_FALSE(InsertMenuItem(model, "M:View", Placement::kChild, "CmdUnknown", ""));
  MenuNode twice = MakeMenuNode("Twice");  // a subtree repeating a key
  twice.children = {MakeItemNode("CmdA", "A", ""), MakeItemNode("CmdA", "A", "")};
  EXPECT_FALSE(InsertMenuNode(model.menus, "M:View", Placement::kAfter, twice));
  EXPECT_EQ(Render(model.menus), before);
}

TEST(MenuEditing, DeletingAMenuTakesItsDescendants) {
  CommandModel model = StartedModel();
  ASSERT_TRUE(DeleteMenuNode(model.menus, "M:File"));
  EXPECT_EQ(FindMenuNode(model.menus, "M:More"), nullptr);
  EXPECT_EQ(FindMenuNode(model.menus, "I:EEikCmdFileImport"), nullptr);
  EXPECT_EQ(FindMenuNode(model.menus, "I:EEikCmdExit"), nullptr);
  EXPECT_EQ(model.menus.size(), 3u);
  // The command is free again for another item.
  EXPECT_TRUE(InsertMenuItem(model, "M:Edit", Placement::kChild, "EEikCmdExit", "^e"));
  EXPECT_FALSE(DeleteMenuNode(model.menus, "M:File"));
  // Building the defaults again replaces whatever the tree has become.
  BuildDefaultMenus(model);
  EXPECT_EQ(Render(model.menus), Render(StartedModel().menus));
}

// Hotkey editors.

TEST(HotkeyComposer, ModifierDecidesTheForm) {
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kShiftCtrl, "q"), "^Q");
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kCtrl, "q"), "^q");
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kCtrl, "Q"), "^q");
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kPlain, "q"), "q");
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kPlain, "Q"), "Q");  // unchanged
  EXPECT_EQ(ComposeHotkey(HotkeyModifier::kNone, "q"), "");
}

// The two panels read a hotkey differently: only the menus panel refuses
// what it cannot compose, only the hotkeys panel lower-cases a plain key.
TEST(HotkeyEditors, PanelsShowAHotkey) {
  struct Case {
    const char* hotkey;
    const char* menus_key;
    HotkeyModifier menus_modifier;
    const char* hotkeys_key;
    HotkeyModifier hotkeys_modifier;
  } cases[] = {
      {"", "", HotkeyModifier::kNone, "", HotkeyModifier::kPlain},
      {"^n", "n", HotkeyModifier::kCtrl, "n", HotkeyModifier::kCtrl},
      {"^S", "s", HotkeyModifier::kShiftCtrl, "s", HotkeyModifier::kShiftCtrl},
      {"a", "a", HotkeyModifier::kPlain, "a", HotkeyModifier::kPlain},
      {"Q", "Q", HotkeyModifier::kPlain, "q", HotkeyModifier::kPlain},
      {"^1", "", HotkeyModifier::kNone, "1", HotkeyModifier::kCtrl},
      {"^", "", HotkeyModifier::kNone, nullptr, HotkeyModifier::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hotkey);
    HotkeyEditorState menus = MenusPanelHotkeyState(c.hotkey);
    EXPECT_EQ(menus.key, c.menus_key);
    EXPECT_EQ(menus.modifier, c.menus_modifier);
    if (!c.hotkeys_key) continue;
    HotkeyEditorState hotkeys = HotkeysPanelHotkeyState(c.hotkey);
    EXPECT_EQ(hotkeys.key, c.hotkeys_key);
    EXPECT_EQ(hotkeys.modifier, c.hotkeys_modifier);
  }
}

TEST(HotkeyAvailability, TakenKeysBlockOnlyTheirModifier) {
  CommandModel model = StartedModel();
  CollectMenuItems(model);
  std::vector<std::string> defaults;
  for (const HotkeyRow& row : DefinedHotkeyRows(model)) defaults.push_back(row.hotkey);
  struct Case {
    std::vector<std::string> rows;
    const char* key;
    HotkeyModifier modifier;
    bool ctrl, shift_ctrl, plain, add;
  } cases[] = {
      {defaults, "n", HotkeyModifier::kCtrl, false, true, true, false},  // ^n is File new
      {defaults, "n", HotkeyModifier::kPlain, false, true, true, true},
      {defaults, "m", HotkeyModifier::kShiftCtrl, false, false, true, false},  // ^m and ^M
      {{"Q"}, "q", HotkeyModifier::kPlain, true, true, false, false},  // plain rows block whatever their case
      // Only a lower-case letter can be a key.
      {{}, "", HotkeyModifier::kCtrl, false, false, false, false},
      {{}, "1", HotkeyModifier::kCtrl, false, false, false, false},
      {{}, "Q", HotkeyModifier::kCtrl, false, false, false, false},
      {{}, "-", HotkeyModifier::kCtrl, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + std::to_string(static_cast<int>(c.modifier)));
    HotkeyAvailability a = UpdateHotkeyAvailability(c.rows, c.key, c.modifier);
    EXPECT_EQ(a.ctrl, c.ctrl);
    EXPECT_EQ(a.shift_ctrl, c.shift_ctrl);
    EXPECT_EQ(a.plain, c.plain);
    EXPECT_EQ(a.add, c.add);
  }
}

// The command, toolbar and hotkey panels' lists.

// Deleting a row leaves the command in the list: filling the view again
// brings it back. The view's own look-up agrees with the rule on its rows
// after every change.
TEST(CommandPanel, AddingAndDeletingRows) {
  CommandModel model = StartedModel();
  DefinedCommandsView view;
  view.Fill(model);
  auto can_add = [&](const char* name) {
    EXPECT_EQ(view.CanAdd(name), CanAddCommandName(view.rows, name)) << name;
    return view.CanAdd(name);
  };
  EXPECT_FALSE(can_add("EEikCmdMine"));
  EXPECT_FALSE(can_add("EVelThing"));
  EXPECT_FALSE(can_add("EEikCmdNew"));
  EXPECT_TRUE(can_add("CmdDemo"));
  ASSERT_TRUE(view.Add(model, "CmdDemo", "Demo", ComposeHotkey(HotkeyModifier::kCtrl, "d")));
  ASSERT_TRUE(view.Add(model, "CmdB", "B", ""));
  EXPECT_FALSE(can_add("CmdDemo"));
  EXPECT_FALSE(view.Add(model, "CmdDemo", "Again", ""));
  ASSERT_EQ(model.commands.size(), 43u);
  EXPECT_EQ(model.commands[41].hotkey, "^d");
  EXPECT_EQ(view.rows[41].name, "CmdDemo");
  EXPECT_EQ(view.rows[41].menu_text, "Demo");
  ASSERT_TRUE(view.Add(model, "", "nameless", ""));
  EXPECT_EQ(view.Delete("EEikCmdExit"), DefinedCommandsView::Deletion::kRefused);
  EXPECT_EQ(view.Delete(""), DefinedCommandsView::Deletion::kNoKey);
  EXPECT_EQ(std::string(kNoKeyMessage), "Problem deleting item (no key!)");
  EXPECT_EQ(view.Delete("CmdDemo"), DefinedCommandsView::Deletion::kDeleted);
  EXPECT_EQ(view.rows.size(), 43u);
  EXPECT_TRUE(can_add("CmdDemo"));
  EXPECT_FALSE(can_add("CmdB"));
  EXPECT_NE(FindCommand(model, "CmdDemo"), nullptr);
  view.Fill(model);
  EXPECT_EQ(view.rows.size(), 44u);
  EXPECT_FALSE(can_add("CmdDemo"));
}

// Collecting the menu items again replaces the rows, even when the new tree
// has as many items as the old one.
TEST(HotkeysPanel, RowsAreMenuHotkeysThenExtrasOncePerCommand) {
  CommandModel model = StartedModel();
  CollectMenuItems(model);
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdFileNew", "^w"));  // has ^n on its item
  EXPECT_TRUE(AddExtraHotkey(model, "EEikCmdFileOpen", "^o"));
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdFileOpen", "^O"));
  EXPECT_TRUE(AddExtraHotkey(model, "EEikCmdFileImport", "i"));  // on a menu, but without a hotkey
  std::vector<HotkeyRow> rows = DefinedHotkeyRows(model);
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(rows.front().command, "EEikCmdFileNew");
  EXPECT_EQ(rows[12].command, "EEikCmdFileOpen");
  EXPECT_EQ(rows[13].hotkey, "i");
  EXPECT_EQ(model.extra_hotkeys[0].menu_text, "");

  size_t items = model.menu_items.size();
  ASSERT_TRUE(DeleteMenuNode(model.menus, "I:EEikCmdEditCut"));
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCopy", Placement::kBefore, "EEikCmdFileSave", "^s"));
  CollectMenuItems(model);
  ASSERT_EQ(model.menu_items.size(), items);
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdFileSave", "q"));
  EXPECT_TRUE(AddExtraHotkey(model, "EEikCmdEditCut", "x"));
  EXPECT_FALSE(AddExtraHotkey(model, "EEikCmdEditCut", "y"));
}

}  // namespace
}  // namespace kelvad
