#pragma once

#include <cstddef>

#include "resources/command_model.h"

namespace kelvad {

// Starts the command list afresh with the 41 standard commands, each with
// the menu text and hotkey the EIKON style suggests.
void LoadStandardCommands(CommandModel& model);

// How many commands the standard set has; the user's commands follow them.
std::size_t StandardCommandCount();

// Replaces the menu tree with the default File, Edit, View and Tools menus
// (cascades More under File and Infrared under Tools). Needs the standard
// commands, whose texts and hotkeys the items take.
void BuildDefaultMenus(CommandModel& model);

}  // namespace kelvad
