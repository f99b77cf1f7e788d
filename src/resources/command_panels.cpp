#include "resources/command_panels.h"

#include <algorithm>

#include "resources/command_list.h"

namespace kelvad {

bool CanAddCommandName(const std::vector<Command>& rows, std::string_view name) {
  if (IsStandardCommandName(name)) return false;
  return std::none_of(rows.begin(), rows.end(), [&](const Command& row) { return row.name == name; });
}

void DefinedCommandsView::Fill(const CommandModel& model) { rows = DefinedCommandRows(model); }

bool DefinedCommandsView::Add(CommandModel& model, const std::string& name, const std::string& menu_text,
                              const std::string& hotkey) {
  if (!CanAddCommandName(rows, name)) return false;
  AddCommand(model, name, menu_text, hotkey);
  rows.push_back(Command{name, menu_text, hotkey});
  return true;
}

DefinedCommandsView::Deletion DefinedCommandsView::Delete(std::string_view name) {
  // Standard commands are never remembered, so they cannot be deleted.
  if (IsStandardCommandName(name)) return Deletion::kRefused;
  auto row = std::find_if(rows.begin(), rows.end(), [&](const Command& r) { return r.name == name; });
  if (row == rows.end()) return Deletion::kRefused;
  if (row->name.empty()) return Deletion::kNoKey;
  rows.erase(row);
  return Deletion::kDeleted;
}

bool AddToolbarButton(CommandModel& model, const std::string& command, const std::string& text) {
  auto& rows = model.toolbar;
  if (std::any_of(rows.begin(), rows.end(), [&](const ToolbarButton& row) { return row.command == command; })) {
    return false;
  }
  rows.push_back(ToolbarButton{command, text});
  return true;
}

std::vector<HotkeyRow> DefinedHotkeyRows(const CommandModel& model) {
  std::vector<HotkeyRow> rows;
  auto add = [&](const MenuItemRecord& record) {
    bool listed = std::any_of(rows.begin(), rows.end(), [&](const HotkeyRow& row) { return row.command == record.command; });
    if (!listed) rows.push_back(HotkeyRow{record.command, record.hotkey});
  };
  for (const MenuItemRecord& item : model.menu_items) {
    if (!item.hotkey.empty()) add(item);
  }
  for (const MenuItemRecord& extra : model.extra_hotkeys) add(extra);
  return rows;
}

bool AddExtraHotkey(CommandModel& model, const std::string& command, const std::string& hotkey) {
  for (const HotkeyRow& row : DefinedHotkeyRows(model)) {
    if (row.command == command) return false;
  }
  model.extra_hotkeys.push_back(MenuItemRecord{command, "", hotkey});
  return true;
}

}  // namespace kelvad
