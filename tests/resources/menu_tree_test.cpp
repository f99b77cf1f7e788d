#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

CommandModel StartedModel() {
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  return model;
}

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

TEST(DefaultMenus, TreeAsTheWizardBuildsIt) {
  CommandModel model = StartedModel();
  EXPECT_EQ(Render(model.menus),
            "M:File \"File\"\n"
            "  I:EEikCmdFileNew \"Create new file...\" ^n\n"
            "  M:More \"More\"\n"
            "    I:EEikCmdFileImport \"Import...\"\n"
            "    I:EEikCmdFileExport \"Export...\"\n"
            "    I:EEikCmdFileRevert \"Revert to saved\" ^r\n"
            "    I:EEikCmdFileMerge \"Merge...\"\n"
            "  I:EEikCmdExit \"Close\" ^e\n"
            "M:Edit \"Edit\"\n"
            "  I:EEikCmdEditCut \"Cut\" ^x\n"
            "  I:EEikCmdEditCopy \"Copy\" ^c\n"
            "  I:EEikCmdEditPaste \"Paste\" ^v\n"
            "  I:EEikCmdEditSelectAll \"Select all\" ^a\n"
            "M:View \"View\"\n"
            "  I:EEikCmdZoomIn \"Zoom in\" ^m\n"
            "  I:EEikCmdZoomOut \"Zoom out\" ^M\n"
            "  I:EVelCmdViewToolbar \"Show toolbar\" ^t\n"
            "M:Tools \"Tools\"\n"
            "  M:Infrared \"Infrared\"\n"
            "    I:EEikCmdIrdaSend \"Send\"\n"
            "    I:EEikCmdIrdaReceive \"Receive\"\n"
            "  I:EEikCmdHelpContents \"Help on\" ^H\n"
            "  I:EEikCmdHelpSearch \"Search\"\n"
            "  I:EEikCmdHelpAbout \"About...\" ^A\n");
}

TEST(DefaultMenus, BuildingAgainReplacesTheTree) {
  CommandModel model = StartedModel();
  std::string once = Render(model.menus);
  AddMenu(model, "Extra", "");
  BuildDefaultMenus(model);
  EXPECT_EQ(Render(model.menus), once);
}

TEST(MenuLoaders, RefuseUnknownCommandsMissingMenusAndTakenKeys) {
  CommandModel model = StartedModel();
  std::string before = Render(model.menus);
  EXPECT_FALSE(AddMenuItem(model, "File", "CmdNotThere"));
  EXPECT_FALSE(AddMenuItem(model, "Nowhere", "EEikCmdFileOpen"));
  EXPECT_FALSE(AddMenuItem(model, "Edit", "EEikCmdFileNew"));  // already under File
  EXPECT_FALSE(AddMenu(model, "More", "Edit"));                // title already used
  EXPECT_FALSE(AddMenu(model, "Sub", "Nowhere"));
  EXPECT_EQ(Render(model.menus), before);
}

TEST(MenuKeys, KindAndCommandComeFromTheKey) {
  MenuNode item = MakeItemNode("EEikCmdExit", "Close", "^e");
  EXPECT_TRUE(item.IsItem());
  EXPECT_FALSE(item.IsMenu());
  EXPECT_EQ(item.CommandName(), "EEikCmdExit");
  MenuNode menu = MakeMenuNode("Tools");
  EXPECT_TRUE(menu.IsMenu());
  EXPECT_EQ(menu.key, "M:Tools");
}

// The menus panel's editing.

TEST(MenuEditing, MenuAfterARootMenuIsAnotherTitle) {
  CommandModel model = StartedModel();
  ASSERT_TRUE(InsertMenu(model, "M:View", Placement::kAfter, "Help"));
  std::vector<std::string> roots;
  for (const MenuNode& root : model.menus) roots.push_back(root.text);
  EXPECT_EQ(roots, (std::vector<std::string>{"File", "Edit", "View", "Help", "Tools"}));
}

TEST(MenuEditing, MenuNextToAnItemIsACascadeInItsMenu) {
  CommandModel model = StartedModel();
  ASSERT_TRUE(InsertMenu(model, "I:EEikCmdFileNew", Placement::kAfter, "Recent"));
  ASSERT_TRUE(InsertMenu(model, "I:EEikCmdFileNew", Placement::kBefore, "First"));
  const MenuNode& file = model.menus[0];
  std::vector<std::string> keys;
  for (const MenuNode& child : file.children) keys.push_back(child.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"M:First", "I:EEikCmdFileNew", "M:Recent", "M:More", "I:EEikCmdExit"}));
}

TEST(MenuEditing, ItemsGoBeforeAfterOrAsLastChild) {
  CommandModel model = StartedModel();
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCut", Placement::kBefore, "EEikCmdEditUndo", "^z"));
  ASSERT_TRUE(InsertMenuItem(model, "I:EEikCmdEditCut", Placement::kAfter, "EEikCmdEditRedo", ""));
  ASSERT_TRUE(InsertMenuItem(model, "M:Edit", Placement::kChild, "EEikCmdSearchFind", "F"));
  const MenuNode& edit = model.menus[1];
  std::string rendered = Render(edit.children);
  EXPECT_EQ(rendered,
            "I:EEikCmdEditUndo \"Undo\" ^z\n"
            "I:EEikCmdEditCut \"Cut\" ^x\n"
            "I:EEikCmdEditRedo \"Redo\"\n"
            "I:EEikCmdEditCopy \"Copy\" ^c\n"
            "I:EEikCmdEditPaste \"Paste\" ^v\n"
            "I:EEikCmdEditSelectAll \"Select all\" ^a\n"
            "I:EEikCmdSearchFind \"Find...\" F\n");
}

TEST(MenuEditing, RefusalsChangeNothing) {
  CommandModel model = StartedModel();
  std::string before = Render(model.menus);
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, "Edit"));       // title in use
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, "More"));       // also when nested
  EXPECT_FALSE(InsertMenu(model, "M:Nothing", Placement::kAfter, "Help"));    // no such node
  EXPECT_FALSE(InsertMenu(model, "", Placement::kAfter, "Help"));             // nothing selected
  EXPECT_FALSE(InsertMenu(model, "M:View", Placement::kAfter, ""));           // no title
  EXPECT_FALSE(InsertMenuItem(model, "M:View", Placement::kChild, "EEikCmdExit", ""));   // has an item
  EXPECT_FALSE(InsertMenuItem(model, "M:View", Placement::kChild, "CmdUnknown", ""));
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
}

TEST(MenuEditing, InsertedSubtreesMayNotRepeatKeys) {
  CommandModel model = StartedModel();
  MenuNode menu = MakeMenuNode("Twice");
  menu.children.push_back(MakeItemNode("CmdA", "A", ""));
  menu.children.push_back(MakeItemNode("CmdA", "A", ""));
  EXPECT_FALSE(InsertMenuNode(model.menus, "M:View", Placement::kAfter, menu));
  EXPECT_EQ(FindMenuNode(model.menus, "M:Twice"), nullptr);
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

TEST(HotkeyEditors, MenusPanelShowsAHotkey) {
  auto shown = [](const char* hotkey) {
    HotkeyEditorState s = MenusPanelHotkeyState(hotkey);
    return s.key + "/" + std::to_string(static_cast<int>(s.modifier));
  };
  const std::string none = "/0", ctrl = "/1", shift = "/2", plain = "/3";
  EXPECT_EQ(shown(""), none);
  EXPECT_EQ(shown("^n"), "n" + ctrl);
  EXPECT_EQ(shown("^S"), "s" + shift);
  EXPECT_EQ(shown("a"), "a" + plain);
  EXPECT_EQ(shown("A"), "A" + plain);
  EXPECT_EQ(shown("^1"), none);
  EXPECT_EQ(shown("^"), none);
}

TEST(HotkeyEditors, HotkeysPanelShowsAHotkey) {
  HotkeyEditorState s = HotkeysPanelHotkeyState("^S");
  EXPECT_EQ(s.key, "s");
  EXPECT_EQ(s.modifier, HotkeyModifier::kShiftCtrl);
  s = HotkeysPanelHotkeyState("^1");
  EXPECT_EQ(s.key, "1");
  EXPECT_EQ(s.modifier, HotkeyModifier::kCtrl);
  s = HotkeysPanelHotkeyState("Q");
  EXPECT_EQ(s.key, "q");
  EXPECT_EQ(s.modifier, HotkeyModifier::kPlain);
  s = HotkeysPanelHotkeyState("");
  EXPECT_EQ(s.key, "");
  EXPECT_EQ(s.modifier, HotkeyModifier::kPlain);
}

std::vector<std::string> DefaultRowHotkeys() {
  CommandModel model = StartedModel();
  CollectMenuItems(model);
  std::vector<std::string> hotkeys;
  for (const HotkeyRow& row : DefinedHotkeyRows(model)) hotkeys.push_back(row.hotkey);
  return hotkeys;
}

TEST(HotkeyAvailability, KeyTakenWithCtrlBlocksOnlyCtrl) {
  std::vector<std::string> rows = DefaultRowHotkeys();
  HotkeyAvailability a = UpdateHotkeyAvailability(rows, "n", HotkeyModifier::kCtrl);
  EXPECT_FALSE(a.ctrl);
  EXPECT_TRUE(a.shift_ctrl);
  EXPECT_TRUE(a.plain);
  EXPECT_FALSE(a.add);
  a = UpdateHotkeyAvailability(rows, "n", HotkeyModifier::kPlain);
  EXPECT_FALSE(a.ctrl);
  EXPECT_TRUE(a.add);
}

TEST(HotkeyAvailability, KeyTakenBothWays) {
  // m: Zoom in is ^m, Zoom out ^M.
  HotkeyAvailability a = UpdateHotkeyAvailability(DefaultRowHotkeys(), "m", HotkeyModifier::kShiftCtrl);
  EXPECT_FALSE(a.ctrl);
  EXPECT_FALSE(a.shift_ctrl);
  EXPECT_TRUE(a.plain);
  EXPECT_FALSE(a.add);
}

TEST(HotkeyAvailability, PlainRowsBlockPlainWhateverTheirCase) {
  HotkeyAvailability a = UpdateHotkeyAvailability({"Q"}, "q", HotkeyModifier::kPlain);
  EXPECT_TRUE(a.ctrl);
  EXPECT_FALSE(a.plain);
  EXPECT_FALSE(a.add);
}

TEST(HotkeyAvailability, KeyThatIsNotALowerCaseLetterDisablesAll) {
  for (const char* key : {"", "1", "Q", "-"}) {
    HotkeyAvailability a = UpdateHotkeyAvailability({}, key, HotkeyModifier::kCtrl);
    EXPECT_FALSE(a.ctrl || a.shift_ctrl || a.plain || a.add) << key;
  }
}

// The command, toolbar and hotkey panels' lists.

TEST(CommandPanel, StandardAndListedNamesCannotBeAdded) {
  CommandModel model = StartedModel();
  DefinedCommandsView view;
  view.Fill(model);
  EXPECT_FALSE(CanAddCommandName(view.rows, "EEikCmdMine"));
  EXPECT_FALSE(CanAddCommandName(view.rows, "EVelThing"));
  EXPECT_TRUE(CanAddCommandName(view.rows, "CmdDemo"));
  ASSERT_TRUE(view.Add(model, "CmdDemo", "Demo", ComposeHotkey(HotkeyModifier::kCtrl, "d")));
  EXPECT_FALSE(CanAddCommandName(view.rows, "CmdDemo"));
  EXPECT_FALSE(view.Add(model, "CmdDemo", "Again", ""));
  ASSERT_EQ(model.commands.size(), 42u);
  EXPECT_EQ(model.commands.back().hotkey, "^d");
  EXPECT_EQ(view.rows.back().name, "CmdDemo");
  EXPECT_EQ(view.rows.back().menu_text, "Demo");
}

TEST(CommandPanel, DeletingRemovesTheRowButNotTheCommand) {
  CommandModel model = StartedModel();
  DefinedCommandsView view;
  view.Fill(model);
  view.Add(model, "CmdDemo", "Demo", "");
  EXPECT_EQ(view.Delete("EEikCmdExit"), DefinedCommandsView::Deletion::kRefused);
  EXPECT_EQ(view.Delete("CmdDemo"), DefinedCommandsView::Deletion::kDeleted);
  EXPECT_EQ(view.rows.size(), 41u);
  EXPECT_NE(FindCommand(model, "CmdDemo"), nullptr);
  view.Fill(model);
  EXPECT_EQ(view.rows.size(), 42u);
}

TEST(CommandPanel, RowWithoutANameCannotBeDeleted) {
  CommandModel model = StartedModel();
  DefinedCommandsView view;
  view.Fill(model);
  ASSERT_TRUE(view.Add(model, "", "nameless", ""));
  EXPECT_EQ(view.Delete(""), DefinedCommandsView::Deletion::kNoKey);
  EXPECT_EQ(std::string(kNoKeyMessage), "Problem deleting item (no key!)");
}

TEST(ToolbarPanel, SecondRowForACommandIsRefused) {
  CommandModel model = StartedModel();
  EXPECT_TRUE(AddToolbarButton(model, "EEikCmdFileNew", "New"));
  EXPECT_FALSE(AddToolbarButton(model, "EEikCmdFileNew", "New again"));
  ASSERT_EQ(model.toolbar.size(), 1u);
  EXPECT_EQ(model.toolbar[0].text, "New");
}

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
}

}  // namespace
}  // namespace kelvad
