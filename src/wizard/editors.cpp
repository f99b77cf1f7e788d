#include "wizard/editors.h"

#include <algorithm>
#include <utility>

#include "resources/command_list.h"
#include "resources/menu_tree.h"

namespace kelvad {

bool CommandNameAddable(const std::vector<Command>& rows, std::string_view name) {
  return !name.empty() && CanAddCommandName(rows, name);
}

void MenuNodeClicked(MenuPanelButtons& buttons, std::string_view title) {
  if (!title.empty()) buttons.menu_before = buttons.menu_after = true;
  buttons.remove = true;
}

void MenuTitleChanged(MenuPanelButtons& buttons, bool node_selected, std::string_view title) {
  buttons.menu_before = buttons.menu_after = node_selected && !title.empty();
}

void MenuNodeDeleted(MenuPanelButtons& buttons) {
  buttons.menu_before = buttons.menu_after = buttons.remove = false;
  buttons.item_after = buttons.item_before = false;
}

PickedMenuCommand PickMenuCommand(const CommandModel& model, std::string_view name, std::string_view selected_key,
                                  MenuPanelButtons& buttons) {
  PickedMenuCommand picked;
  const Command* command = FindCommand(model, name);
  if (!command) return picked;
  picked.known = true;
  picked.menu_text = command->menu_text;
  picked.hotkey = MenusPanelHotkeyState(command->hotkey);
  if (FindMenuNode(model.menus, ItemKey(command->name))) {
    picked.in_tree = true;
    buttons.item_after = buttons.item_before = buttons.item_child = false;
  } else if (!selected_key.empty()) {
    if (selected_key[0] == 'I') buttons.item_after = buttons.item_before = true;
    if (selected_key[0] == 'M') buttons.item_child = true;
  }
  return picked;
}

std::string HotkeysPanelHotkey(HotkeyModifier modifier, std::string_view key) {
  if (modifier == HotkeyModifier::kPlain) return std::string(key);
  if (modifier == HotkeyModifier::kCtrl) return "^" + std::string(key);
  return ComposeHotkey(HotkeyModifier::kShiftCtrl, key);
}

std::vector<std::string> DefinedHotkeysView::Hotkeys() const {
  std::vector<std::string> hotkeys;
  for (const HotkeyRow& row : rows) hotkeys.push_back(row.hotkey);
  return hotkeys;
}

bool DefinedHotkeysView::Add(CommandModel& model, const std::string& command, const std::string& hotkey) {
  if (std::any_of(rows.begin(), rows.end(), [&](const HotkeyRow& row) { return row.command == command; })) {
    return false;
  }
  rows.push_back(HotkeyRow{command, hotkey});
  model.extra_hotkeys.push_back(MenuItemRecord{command, "", hotkey});
  return true;
}

bool DefinedHotkeysView::Delete(std::string_view command) {
  auto row = std::find_if(rows.begin(), rows.end(), [&](const HotkeyRow& r) { return r.command == command; });
  if (row == rows.end()) return false;
  rows.erase(row);
  return true;
}

size_t MoveToolbarButton(CommandModel& model, size_t index, int delta) {
  auto& rows = model.toolbar;
  if (index >= rows.size()) return index;
  if (delta < 0 && index == 0) return index;
  if (delta > 0 && index + 1 >= rows.size()) return index;
  size_t target = delta < 0 ? index - 1 : index + 1;
  std::swap(rows[index], rows[target]);
  return target;
}

ColumnSort ClickColumn(ColumnSort sort, int column) {
  if (sort.column == column) {
    sort.ascending = !sort.ascending;
  } else {
    sort.column = column;
  }
  sort.enabled = true;
  return sort;
}

}  // namespace kelvad
