#pragma once

#include <string>
#include <vector>

#include "resources/name_index.h"

namespace kelvad {

// One command of the command list: the identifier written into sources,
// the suggested menu text and the suggested hotkey ("^n" Ctrl+N, "^S"
// Shift+Ctrl+S, "a" plain, "" none).
struct Command {
  std::string name;
  std::string menu_text;
  std::string hotkey;
};

// A node of the menu tree: a menu has the key "M:" + title, an item the key
// "I:" + command name, its menu text as text and its hotkey as tag.
struct MenuNode {
  std::string key;
  std::string text;
  std::string tag;
  std::vector<MenuNode> children;

  bool IsMenu() const { return !key.empty() && key[0] == 'M'; }
  bool IsItem() const { return !key.empty() && key[0] == 'I'; }
  // The item's command name (the key without its first two characters).
  std::string CommandName() const { return key.size() > 2 ? key.substr(2) : std::string(); }
};

// A toolbar button row: its command name and its button text.
struct ToolbarButton {
  std::string command;
  std::string text;
};

// A record of the menu item list, the extra hotkey list or a hotkey table.
struct MenuItemRecord {
  std::string command;
  std::string menu_text;
  std::string hotkey;
};

// The command data the wizard's editors drive and the generators read; it
// lives for the whole run. The lists are read directly and changed through
// the functions of src/resources, which keep the indexes beside them.
struct CommandModel {
  std::vector<Command> commands;          // the command list, in position order
  std::vector<std::string> used_commands;  // used-command list, first addition order
  std::vector<MenuNode> menus;             // the menu tree's roots, in sibling order
  std::vector<ToolbarButton> toolbar;      // toolbar button rows, in display order
  std::vector<MenuItemRecord> extra_hotkeys;

  // Filled by the menu item collection.
  std::vector<MenuItemRecord> menu_items;
  std::vector<MenuItemRecord> control_hotkeys;        // "^" + lower-case letter
  std::vector<MenuItemRecord> shift_control_hotkeys;  // "^" + upper-case letter
  std::vector<MenuItemRecord> plain_hotkeys;

  // Name look-ups into the lists above (see NameIndex); they hold no data of
  // their own, and only the functions of src/resources use them.
  struct Indexes {
    NameIndex commands;           // by name
    NameIndex used_commands;
    NameIndex toolbar;            // by command
    NameIndex extra_hotkeys;      // by command
    NameIndex menu_item_hotkeys;  // menu items that have a hotkey, by command
  } indexes;
};

}  // namespace kelvad
