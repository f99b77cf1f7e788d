#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::StartedModel;

// One line per node: indentation for depth, then key, text and tag.
std::string Render(const std::vector<MenuNode>& nodes, int depth = 0) {
  std::string out;
  for (const MenuNode& node : nodes) {
    out += std::string(2 * depth, ' ') + node.key + " \"" + node.text + "\"";
    out += (node.tag.empty() ? "" : " " + node.tag) + "\n";
    out += Render(node.children, depth + 1);
  }
  return out;
}

std::string Commands(const std::vector<MenuItemRecord>& records) {
  std::string out;
  for (const MenuItemRecord& r : records) out += (out.empty() ? "" : " ") + r.command + "=" + r.hotkey;
  return out;
}

// What the loaders and the menus panel refuse leaves the tree as it was. A
// new menu or item goes before, after or as the last child of the selected
// node: next to a root menu a menu is another title, next to an item a
// cascade in its menu. An item takes the hotkey given, not its command's.
// Deleting a menu takes its descendants and frees their commands; building
// the defaults again replaces whatever the tree has become.
TEST(MenuEditing, RefusalsChangeNothingNewNodesGoWhereAskedAndDeletingTakesDescendants) {
  CommandModel model = StartedModel();
  const std::string started = Render(model.menus);
  EXPECT_FALSE(AddMenuItem(model, "File", "CmdNotThere"));
  EXPECT_FALSE(AddMenuItem(model, "Edit", "EEikCmdFileNew"));            // already under File
  EXPECT_FALSE(AddMenu(model, "More", "Edit"));                          // title already used, nested
  EXPECT_FALSE(InsertMenu(model, "M:Nothing", Placement::kAfter, "Help"));  // no such node
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, ""));         // no title
  EXPECT_FALSE(InsertMenuItem(model, "M:View", Placement::kChild, "CmdUnknown", ""));
  MenuNode twice = MakeMenuNode("Twice");  // a subtree repeating a key
  twice.children = {MakeItemNode("CmdA", "A", ""), MakeItemNode("CmdA", "A", "")};
  EXPECT_FALSE(InsertMenuNode(model.menus, "M:View", Placement::kAfter, twice));
  EXPECT_EQ(Render(model.menus), started);

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
            "I:EEikCmdEditUndo \"Undo\" ^z\nI:EEikCmdEditCut \"Cut\" ^x\nI:EEikCmdEditRedo \"Redo\"\n"
            "I:EEikCmdEditCopy \"Copy\" ^c\nI:EEikCmdEditPaste \"Paste\" ^v\n"
            "I:EEikCmdEditSelectAll \"Select all\" ^a\nI:EEikCmdSearchFind \"Find...\" F\n");

  ASSERT_TRUE(DeleteMenuNode(model.menus, "M:File"));
  for (const char* key : {"M:Recent", "M:More", "I:EEikCmdFileImport", "I:EEikCmdExit"}) {
    EXPECT_FALSE(FindMenuNode(model.menus, key)) << key;
  }
  EXPECT_EQ(model.menus.size(), 4u);
  EXPECT_TRUE(InsertMenuItem(model, "M:Edit", Placement::kChild, "EEikCmdExit", "^e"));
  EXPECT_FALSE(DeleteMenuNode(model.menus, "M:File"));
  BuildDefaultMenus(model);
  EXPECT_EQ(Render(model.menus), started);
}

// Letters are told by character code: '[' and '`' lie between the cases,
// and Ä is no A..Z. The two panels read a hotkey differently: only the
// menus panel refuses what it cannot compose, only the hotkeys panel
// lower-cases a plain key. What the menus panel shows composes back to the hotkey.
TEST(HotkeyNotation, ClassifiedIntoOneTableWithALowerCaseKeyAndShownByEachPanel) {
  using T = HotkeyTable;
  using M = HotkeyModifier;
  auto show = [](const HotkeyEditorState& s) {
    return s.key + (s.modifier == M::kCtrl        ? " ctrl"
                    : s.modifier == M::kShiftCtrl ? " shift"
                    : s.modifier == M::kPlain     ? " plain"
                                                  : " none");
  };
  struct Case {
    const char* hotkey;
    T table;
    const char* key;                                  // null for no valid notation
    const char *menus = nullptr, *hotkeys = nullptr;  // as each panel shows it
  } cases[] = {
      {"", T::kNone, "", " none", " plain"},           {"^n", T::kControl, "n", "n ctrl", "n ctrl"},
      {"^S", T::kShiftControl, "s", "s shift", "s shift"}, {"Q", T::kPlain, "q", "Q plain", "q plain"},
      {"^1", T::kNone, nullptr, " none", "1 ctrl"},    {"^", T::kNone, nullptr, " none"},
      {"1", T::kPlain, "1"},   {"\xC3\xA4", T::kPlain, "\xC3\xA4"}, {"^[", T::kNone, nullptr},
      {"^`", T::kNone, nullptr}, {"^\xC3\x84", T::kNone, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hotkey);
    EXPECT_EQ(ClassifyHotkey(c.hotkey), c.table);
    EXPECT_EQ(IsHotkeyNotation(c.hotkey), c.key != nullptr);
    if (c.key && *c.key) EXPECT_EQ(HotkeyKey(c.hotkey, c.table), c.key);
    if (!c.menus) continue;
    HotkeyEditorState menus = MenusPanelHotkeyState(c.hotkey);
    EXPECT_EQ(show(menus), c.menus);
    if (!menus.key.empty() || !*c.hotkey) EXPECT_EQ(ComposeHotkey(menus.modifier, menus.key), c.hotkey);
    if (c.hotkeys) EXPECT_EQ(show(HotkeysPanelHotkeyState(c.hotkey)), c.hotkeys);
  }
  for (const char* bad : {"^ab", "ab", "Ctrl+N", "\t"}) EXPECT_FALSE(IsHotkeyNotation(bad)) << bad;
  EXPECT_EQ(ComposeHotkey(M::kCtrl, "Q") + ComposeHotkey(M::kNone, "q"), "^q");
}

// Extras are sorted after the menu items; collecting again starts afresh
// but keeps the used commands of items since deleted.
TEST(MenuItemCollection, ExtraHotkeysFollowTheMenuItems) {
  CommandModel model;
  LoadStandardCommands(model);
  AddCommand(model, "CmdUser", "User", "");
  AddCommand(model, "CmdGone", "Gone", "g");
  AddMenu(model, "Go", "");
  for (const char* command : {"EEikCmdFileNew", "CmdGone", "EEikCmdFileOpen"}) AddMenuItem(model, "Go", command);
  model.extra_hotkeys = {{"CmdUser", "", "a"}, {"EVelCmdZoomSet", "", "^E"}, {"CmdOdd", "", "^1"}};
  CollectMenuItems(model);
  EXPECT_EQ(Commands(model.control_hotkeys), "EEikCmdFileNew=^n EEikCmdFileOpen=^o");
  EXPECT_EQ(Commands(model.plain_hotkeys), "CmdGone=g CmdUser=a");
  EXPECT_EQ(Commands(model.shift_control_hotkeys), "EVelCmdZoomSet=^E");
  // Extras are not menu items, but their commands are used.
  EXPECT_EQ(model.menu_items.size(), 3u);
  const std::vector<std::string> used = {"CmdGone", "CmdUser", "EVelCmdZoomSet", "CmdOdd"};
  EXPECT_EQ(model.used_commands, used);
  ASSERT_TRUE(DeleteMenuNode(model.menus, "I:CmdGone"));
  CollectMenuItems(model);
  EXPECT_EQ(model.menu_items.size(), 2u);
  EXPECT_EQ(Commands(model.plain_hotkeys), "CmdUser=a");
  EXPECT_EQ(model.used_commands, used);
}

TEST(HotkeyAvailability, TakenKeysBlockOnlyTheirModifier) {
  using M = HotkeyModifier;
  const std::vector<std::string> defaults = {"^n", "^o", "^m", "^M", "q"};  // File new, zoom in and out
  struct Case {
    std::vector<std::string> rows;
    const char* key;
    M modifier;
    const char* offered;  // Ctrl, Shift + Ctrl, plain and "Add HotKey": + or -
  } cases[] = {
      {defaults, "n", M::kCtrl, "-++-"}, {defaults, "n", M::kPlain, "-+++"},  // ^n is taken
      {defaults, "m", M::kShiftCtrl, "--+-"},                                // ^m and ^M
      {{"Q"}, "q", M::kPlain, "++--"},                                      // plain rows block whatever their case
      {{}, "", M::kCtrl, "----"}, {{}, "Q", M::kCtrl, "----"},              // only a to z is a key
  };
  for (const Case& c : cases) {
    HotkeyAvailability a = UpdateHotkeyAvailability(c.rows, c.key, c.modifier);
    std::string offered;
    for (bool flag : {a.ctrl, a.shift_ctrl, a.plain, a.add}) offered += flag ? '+' : '-';
    EXPECT_EQ(offered, c.offered) << c.key << " with modifier " << static_cast<int>(c.modifier);
  }
}

// Deleting a row leaves the command in the list: filling the view again
// brings it back. A name listed twice has one row, the first. The view's own
// look-up agrees with the rule on its rows after every change.
TEST(CommandPanel, AddingAndDeletingRows) {
  CommandModel model = StartedModel();
  AddCommand(model, "CmdSaved", "first", "");
  AddCommand(model, "CmdSaved", "again", "");
  DefinedCommandsView view;
  view.Fill(model);
  ASSERT_EQ(view.rows.size(), 42u);
  EXPECT_EQ(view.rows.back().menu_text, "first");
  auto can_add = [&](const char* name) {
    EXPECT_EQ(view.CanAdd(name), CanAddCommandName(view.rows, name)) << name;
    return view.CanAdd(name);
  };
  for (const char* taken : {"EEikCmdMine", "EVelThing", "EEikCmdNew", "CmdSaved"}) EXPECT_FALSE(can_add(taken));
  EXPECT_TRUE(can_add("CmdDemo"));
  ASSERT_TRUE(view.Add(model, "CmdDemo", "Demo", "^d"));
  ASSERT_TRUE(view.Add(model, "CmdB", "B", ""));
  EXPECT_FALSE(can_add("CmdDemo"));
  EXPECT_FALSE(view.Add(model, "CmdDemo", "Again", ""));
  ASSERT_EQ(model.commands.size(), 45u);
  EXPECT_EQ(model.commands[43].hotkey + view.rows[42].menu_text, "^dDemo");
  ASSERT_TRUE(view.Add(model, "", "nameless", ""));
  EXPECT_EQ(view.Delete("EEikCmdExit"), DefinedCommandsView::Deletion::kRefused);
  EXPECT_EQ(view.Delete(""), DefinedCommandsView::Deletion::kNoKey);
  EXPECT_EQ(view.Delete("CmdDemo"), DefinedCommandsView::Deletion::kDeleted);
  EXPECT_EQ(view.rows.size(), 44u);
  EXPECT_TRUE(can_add("CmdDemo"));
  EXPECT_FALSE(can_add("CmdB"));
  EXPECT_NE(FindCommand(model, "CmdDemo"), nullptr);
  view.Fill(model);
  EXPECT_EQ(view.rows.size(), 45u);
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
