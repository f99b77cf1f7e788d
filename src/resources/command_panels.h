#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/command_model.h"

namespace kelvad {

// "Add Command" is offered for a name that is not a standard one and has no
// row among the defined-commands rows. Walks the rows; a DefinedCommandsView
// answers the same through its index.
bool CanAddCommandName(const std::vector<Command>& rows, std::string_view name);

// The command panel's defined-commands view: filled from the command list
// each time the panel is shown, and what "Save Commands" writes.
struct DefinedCommandsView {
  std::vector<Command> rows;
  NameIndex row_index;  // rows by name, for Add, Delete and CanAdd only

  void Fill(const CommandModel& model);
  // CanAddCommandName for the rows.
  bool CanAdd(std::string_view name) const;
  // "Add Command": the command joins the command list and gets a row;
  // refused, changing nothing, when CanAddCommandName says no.
  bool Add(CommandModel& model, const std::string& name, const std::string& menu_text, const std::string& hotkey);
  // "Delete Command" removes the row only: the command stays in the list
  // and comes back at the next fill.
  enum class Deletion { kDeleted, kRefused, kNoKey };
  Deletion Delete(std::string_view name);
};

inline constexpr const char* kNoKeyMessage = "Problem deleting item (no key!)";

// Appends a toolbar button row; a second row for one command is refused.
bool AddToolbarButton(CommandModel& model, const std::string& command, const std::string& text);

// Whether a toolbar button row carries the command.
bool HasToolbarButton(const CommandModel& model, std::string_view command);

// A row of the defined-hotkeys view: a command and its hotkey.
struct HotkeyRow {
  std::string command;
  std::string hotkey;
};

// The defined-hotkeys rows: every collected menu item with a hotkey, then
// every extra hotkey; a command that already has a row is left out. Read
// after CollectMenuItems.
std::vector<HotkeyRow> DefinedHotkeyRows(const CommandModel& model);

// Appends an extra hotkey (its menu text left empty); refused for a command
// that already has a defined-hotkeys row. Like DefinedHotkeyRows, read after
// CollectMenuItems.
bool AddExtraHotkey(CommandModel& model, const std::string& command, const std::string& hotkey);

}  // namespace kelvad
