#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/command_model.h"

namespace kelvad {

// "M:" + title and "I:" + command name: keys are unique in the tree, so a
// title names one menu and a command sits on one item only.
std::string MenuKey(std::string_view title);
std::string ItemKey(std::string_view command_name);

MenuNode MakeMenuNode(const std::string& title);
MenuNode MakeItemNode(const std::string& command_name, const std::string& text, const std::string& hotkey);

MenuNode* FindMenuNode(std::vector<MenuNode>& roots, std::string_view key);
const MenuNode* FindMenuNode(const std::vector<MenuNode>& roots, std::string_view key);

// Where a node goes relative to another: its previous sibling, its next
// sibling or its last child.
enum class Placement { kBefore, kAfter, kChild };

// Inserts the node (with its descendants) relative to the node keyed
// relative_key. Refused, changing nothing, when there is no such node or a
// key of the new nodes is already in the tree.
bool InsertMenuNode(std::vector<MenuNode>& roots, std::string_view relative_key, Placement placement,
                    MenuNode node);

// Removes the node and its descendants; false when there is no such node.
bool DeleteMenuNode(std::vector<MenuNode>& roots, std::string_view key);

// A menu at root level (empty parent title) or as the last child of the
// menu of that title. Refused when the parent is missing or the title taken.
bool AddMenu(CommandModel& model, const std::string& title, const std::string& parent_title);

// An item for the first command of that name, with its menu text and
// hotkey, as the last child of the menu of that title. Refused when there
// is no such command or menu, or the command already has an item.
bool AddMenuItem(CommandModel& model, const std::string& menu_title, const std::string& command_name);

// The menus panel's editors: a menu titled title, or an item for the
// command (its menu text, the composed hotkey as tag), placed relative to
// the selected node. Refusals change nothing; an empty title or a command
// that is not in the list is refused too.
bool InsertMenu(CommandModel& model, std::string_view selected_key, Placement placement, const std::string& title);
bool InsertMenuItem(CommandModel& model, std::string_view selected_key, Placement placement,
                    const std::string& command_name, const std::string& hotkey);

}  // namespace kelvad
