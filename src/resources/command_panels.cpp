#include "resources/command_panels.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "resources/command_list.h"

namespace kelvad {

bool CanAddCommandName(const std::vector<Command>& rows, std::string_view name) {
  if (IsStandardCommandName(name)) return false;
  return std::none_of(rows.begin(), rows.end(), [&](const Command& row) { return row.name == name; });
}

namespace {

const std::string* RowName(const Command& row) { return &row.name; }
const std::string* ButtonCommand(const ToolbarButton& button) { return &button.command; }
const std::string* RecordCommand(const MenuItemRecord& record) { return &record.command; }
const std::string* HotkeyItemCommand(const MenuItemRecord& item) {
  return item.hotkey.empty() ? nullptr : &item.command;
}

}  // namespace

void DefinedCommandsView::Fill(const CommandModel& model) {
  rows = DefinedCommandRows(model);
  row_index.Forget();
}

bool DefinedCommandsView::CanAdd(std::string_view name) const {
  return !IsStandardCommandName(name) && row_index.Find(rows, RowName, name) == NameIndex::npos;
}

bool DefinedCommandsView::Add(CommandModel& model, const std::string& name, const std::string& menu_text,
                              const std::string& hotkey) {
  if (!CanAdd(name)) return false;
  AddCommand(model, name, menu_text, hotkey);
  rows.push_back(Command{name, menu_text, hotkey});
  return true;
}

DefinedCommandsView::Deletion DefinedCommandsView::Delete(std::string_view name) {
  // Standard commands are never remembered, so they cannot be deleted.
  if (IsStandardCommandName(name)) return Deletion::kRefused;
  size_t row = row_index.Find(rows, RowName, name);
  if (row == NameIndex::npos) return Deletion::kRefused;
  if (rows[row].name.empty()) return Deletion::kNoKey;
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
  return Deletion::kDeleted;
}

bool AddToolbarButton(CommandModel& model, const std::string& command, const std::string& text) {
  if (HasToolbarButton(model, command)) return false;
  model.toolbar.push_back(ToolbarButton{command, text});
  return true;
}

bool HasToolbarButton(const CommandModel& model, std::string_view command) {
  return model.indexes.toolbar.Find(model.toolbar, ButtonCommand, command) != NameIndex::npos;
}

std::vector<HotkeyRow> DefinedHotkeyRows(const CommandModel& model) {
  std::vector<HotkeyRow> rows;
  std::unordered_set<std::string_view> listed;
  auto add = [&](const MenuItemRecord& record) {
    if (listed.insert(record.command).second) rows.push_back(HotkeyRow{record.command, record.hotkey});
  };
  for (const MenuItemRecord& item : model.menu_items) {
    if (!item.hotkey.empty()) add(item);
  }
  for (const MenuItemRecord& extra : model.extra_hotkeys) add(extra);
  return rows;
}

bool AddExtraHotkey(CommandModel& model, const std::string& command, const std::string& hotkey) {
  // The defined-hotkeys rows are those of the menu items with a hotkey and of the extra hotkeys.
  if (model.indexes.menu_item_hotkeys.Find(model.menu_items, HotkeyItemCommand, command) != NameIndex::npos ||
      model.indexes.extra_hotkeys.Find(model.extra_hotkeys, RecordCommand, command) != NameIndex::npos) {
    return false;
  }
  model.extra_hotkeys.push_back(MenuItemRecord{command, "", hotkey});
  return true;
}

}  // namespace kelvad
