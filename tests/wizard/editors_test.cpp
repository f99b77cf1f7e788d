#include <gtest/gtest.h>

#include "resources/command_list.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"
#include "support/test_build.h"
#include "wizard/editors.h"

namespace kelvad {
namespace {

using testing::StartedModel;

TEST(MenuPanelButtons, EachEventAppliesItsOwnRule) {
  MenuPanelButtons b;
  MenuNodeClicked(b, "");
  EXPECT_TRUE(b.remove);
  EXPECT_FALSE(b.menu_after);  // no title yet
  MenuTitleChanged(b, true, "Help");
  EXPECT_TRUE(b.menu_before && b.menu_after);
  MenuTitleChanged(b, false, "Help");
  EXPECT_FALSE(b.menu_after);
  b.item_child = true;
  MenuNodeDeleted(b);
  EXPECT_FALSE(b.remove || b.menu_before || b.item_after || b.item_before);
  EXPECT_TRUE(b.item_child);  // deleting leaves "Add Child" as it was
}

TEST(MenuPanelButtons, PickedCommandOnAMenuDisablesTheItemButtonsElseEnablesByTheSelection) {
  CommandModel model = StartedModel();
  MenuPanelButtons b{true, true, true, true, true, true};
  PickedMenuCommand picked = PickMenuCommand(model, "EEikCmdFileNew", "M:File", b);
  EXPECT_TRUE(picked.in_tree);
  EXPECT_EQ(picked.menu_text, "Create new file...");
  EXPECT_EQ(picked.hotkey.key, "n");
  EXPECT_EQ(picked.hotkey.modifier, HotkeyModifier::kCtrl);
  EXPECT_FALSE(b.item_after || b.item_before || b.item_child);

  PickMenuCommand(model, "EEikCmdFileSave", "M:File", b);
  EXPECT_TRUE(b.item_child);
  EXPECT_FALSE(b.item_after);
  PickMenuCommand(model, "EEikCmdFileSave", "I:EEikCmdExit", b);
  EXPECT_TRUE(b.item_after && b.item_before);
  // Shift+Ctrl shows the letter in lower case; an unknown name shows nothing.
  EXPECT_EQ(PickMenuCommand(model, "EEikCmdFileSaveAs", "", b).hotkey.modifier, HotkeyModifier::kShiftCtrl);
  EXPECT_FALSE(PickMenuCommand(model, "Nope", "M:File", b).known);
}

TEST(CommandNames, AnEmptyNameCannotBeAdded) {
  std::vector<Command> rows = DefinedCommandRows(StartedModel());
  EXPECT_TRUE(CommandNameAddable(rows, "CmdDemo"));
  EXPECT_FALSE(CommandNameAddable(rows, ""));
}

TEST(HotkeysPanel, AddedHotkeysAndTheViewsRows) {
  EXPECT_EQ(HotkeysPanelHotkey(HotkeyModifier::kPlain, "q"), "q");
  EXPECT_EQ(HotkeysPanelHotkey(HotkeyModifier::kCtrl, "q"), "^q");
  EXPECT_EQ(HotkeysPanelHotkey(HotkeyModifier::kShiftCtrl, "q"), "^Q");
  EXPECT_EQ(HotkeysPanelHotkey(HotkeyModifier::kNone, "q"), "^Q");

  CommandModel model = StartedModel();
  CollectMenuItems(model);
  DefinedHotkeysView view;
  view.Fill(model);
  EXPECT_FALSE(view.Add(model, "EEikCmdFileNew", "^k"));  // has a row from its menu item
  EXPECT_TRUE(view.Add(model, "EEikCmdFileSave", "^S"));
  EXPECT_FALSE(view.Add(model, "EEikCmdFileSave", "^T"));
  // Deleting a row frees its command on this panel; the hotkey stays in the model.
  EXPECT_TRUE(view.Delete("EEikCmdFileSave"));
  EXPECT_EQ(model.extra_hotkeys.size(), 1u);
  EXPECT_TRUE(view.Add(model, "EEikCmdFileSave", "^T"));
}

TEST(Toolbar, MovingStopsAtTheEndsAndACommandComesOnce) {
  CommandModel model = StartedModel();
  for (const char* command : {"EEikCmdFileNew", "EEikCmdFileOpen", "EEikCmdExit"}) AddToolbarButton(model, command, "");
  EXPECT_EQ(MoveToolbarButton(model, 0, -1), 0u);
  EXPECT_EQ(MoveToolbarButton(model, 2, +1), 2u);
  EXPECT_EQ(MoveToolbarButton(model, 2, -1), 1u);
  EXPECT_EQ(model.toolbar[1].command, "EEikCmdExit");
  EXPECT_FALSE(AddToolbarButton(model, "EEikCmdExit", "again"));
}

TEST(ColumnSort, ASecondClickFlipsTheOrder) {
  ColumnSort sort = ClickColumn(ColumnSort{}, 1);
  EXPECT_TRUE(sort.enabled && sort.ascending && sort.column == 1);
  sort = ClickColumn(sort, 1);
  EXPECT_FALSE(sort.ascending);
  sort = ClickColumn(sort, 2);
  EXPECT_FALSE(sort.ascending);
  EXPECT_EQ(sort.column, 2);
}

}  // namespace
}  // namespace kelvad
