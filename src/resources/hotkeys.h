#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/command_model.h"

namespace kelvad {

// Hotkey notation: "^" + lower-case letter is Ctrl + the letter, "^" +
// upper-case letter Shift + Ctrl + the letter, one other character the plain
// key, empty none.
bool IsHotkeyNotation(std::string_view hotkey);

// The table a hotkey of the menus or the extra list is sorted into.
enum class HotkeyTable { kNone, kControl, kShiftControl, kPlain };

// First character not "^": plain; "^" + A..Z: shift-control; "^" + a..z:
// control; empty, "^" alone or "^" + anything else: no table.
HotkeyTable ClassifyHotkey(std::string_view hotkey);

// The key the resource script names: the character after "^" in the
// control and shift-control tables, the first character in the plain one,
// lower-cased in every table.
std::string HotkeyKey(std::string_view hotkey, HotkeyTable table);

// The menu tree's items, depth first: a cascade's items in place among its
// parent's children.
std::vector<MenuItemRecord> FlattenMenuItems(const std::vector<MenuNode>& roots);

// Flattens the menu tree into the menu item list, depth first (a cascade's
// items in place among its parent's children), sorts the hotkeys of the
// items and then of the extra hotkeys into the three tables, and adds every
// collected command to the used-command list.
void CollectMenuItems(CommandModel& model);

// The modifier options of a hotkey editor.
enum class HotkeyModifier { kNone, kCtrl, kShiftCtrl, kPlain };

// The hotkey of a key picker text and the selected option: the text
// unchanged when plain, "^" + the key lower-cased with Ctrl, upper-cased
// with Shift + Ctrl, empty when no option is selected.
std::string ComposeHotkey(HotkeyModifier modifier, std::string_view key);

// What a hotkey editor shows for a command's hotkey.
struct HotkeyEditorState {
  std::string key;
  HotkeyModifier modifier = HotkeyModifier::kNone;
};

// On the menus panel: nothing for an empty hotkey or "^" followed by
// something other than a letter.
HotkeyEditorState MenusPanelHotkeyState(std::string_view hotkey);

// On the hotkeys panel: after "^" the letter lower-cased, Shift + Ctrl for
// an upper-case one, Ctrl otherwise; any other hotkey lower-cased as plain.
HotkeyEditorState HotkeysPanelHotkeyState(std::string_view hotkey);

// The hotkeys panel's options and "Add HotKey" for a key picker text, given
// the hotkeys of the defined-hotkeys rows: a row takes its modifier for its
// key.
struct HotkeyAvailability {
  bool ctrl = false;
  bool shift_ctrl = false;
  bool plain = false;
  bool add = false;
};
HotkeyAvailability UpdateHotkeyAvailability(const std::vector<std::string>& row_hotkeys, std::string_view key_text,
                                            HotkeyModifier selected);

// The first UTF-8 character of a text (empty for an empty text).
std::string_view FirstCharacter(std::string_view text);

}  // namespace kelvad
