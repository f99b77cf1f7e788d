#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "resources/command_model.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"

namespace kelvad {

// "Add Command" wants a name that is neither empty (it would be an enum
// member without a name) nor a standard one, and that no row carries yet.
bool CommandNameAddable(const std::vector<Command>& rows, std::string_view name);

// The three modifier options of the menus and command panels are offered
// once a key is picked.
inline bool ModifiersOffered(std::string_view key_text) { return !key_text.empty(); }

// The menus panel's six buttons. They change with each event rather than
// follow the tree's state, so each event has its rule.
struct MenuPanelButtons {
  bool menu_before = false;  // MenuCommand_0
  bool menu_after = false;   // MenuCommand_1
  bool remove = false;       // MenuCommand_2
  bool item_after = false;   // MenuCommand_3
  bool item_before = false;  // MenuCommand_4
  bool item_child = false;   // MenuCommand_5
};

// A node was clicked; the title box holds title.
void MenuNodeClicked(MenuPanelButtons& buttons, std::string_view title);
// The title box changed.
void MenuTitleChanged(MenuPanelButtons& buttons, bool node_selected, std::string_view title);
// The selected node was deleted: no node is selected any more.
void MenuNodeDeleted(MenuPanelButtons& buttons);

// What the menus panel shows for the picked command.
struct PickedMenuCommand {
  bool known = false;        // the name is in the command list
  std::string menu_text;     // for MenuLabel_4
  HotkeyEditorState hotkey;  // for the key picker and the options
  bool in_tree = false;      // its item is highlighted then, the item buttons disabled
};
// Enables item buttons for the selected node (never disables, unless the
// command already has its item).
PickedMenuCommand PickMenuCommand(const CommandModel& model, std::string_view name, std::string_view selected_key,
                                  MenuPanelButtons& buttons);

// The hotkey "Add HotKey" gives the key with the selected option: the key
// for Plain, "^" + key for Ctrl, "^" + the key upper-cased otherwise.
std::string HotkeysPanelHotkey(HotkeyModifier modifier, std::string_view key);

// The hotkeys panel's defined-hotkeys view: filled from the collected menu
// items and the extra hotkeys each time the panel is shown; "Delete HotKey"
// removes a row from the view only.
struct DefinedHotkeysView {
  std::vector<HotkeyRow> rows;

  void Fill(const CommandModel& model) { rows = DefinedHotkeyRows(model); }
  std::vector<std::string> Hotkeys() const;
  // Refused, changing nothing, for a command that has a row.
  bool Add(CommandModel& model, const std::string& command, const std::string& hotkey);
  bool Delete(std::string_view command);
};

// Moves a toolbar button up (delta -1) or down (+1); returns where it is
// now. The row order is the order of the generated toolbar.
size_t MoveToolbarButton(CommandModel& model, size_t index, int delta);

// A list view's sort: clicking the sort column again flips the order,
// clicking another column sorts by it in the same order.
struct ColumnSort {
  int column = 0;
  bool ascending = true;
  bool enabled = false;
};
ColumnSort ClickColumn(ColumnSort sort, int column);

}  // namespace kelvad
