#include "resources/menu_tree.h"

#include <string_view>
#include <unordered_set>
#include <utility>

#include "resources/command_list.h"

namespace kelvad {

std::string MenuKey(std::string_view title) { return "M:" + std::string(title); }
std::string ItemKey(std::string_view command_name) { return "I:" + std::string(command_name); }

MenuNode MakeMenuNode(const std::string& title) { return MenuNode{MenuKey(title), title, "", {}}; }

MenuNode MakeItemNode(const std::string& command_name, const std::string& text, const std::string& hotkey) {
  return MenuNode{ItemKey(command_name), text, hotkey, {}};
}

namespace {

// The sibling list holding the node keyed key, and the node's index in it.
struct Location {
  std::vector<MenuNode>* siblings = nullptr;
  size_t index = 0;
};

Location Locate(std::vector<MenuNode>& siblings, std::string_view key) {
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].key == key) return {&siblings, i};
    if (Location found = Locate(siblings[i].children, key); found.siblings) return found;
  }
  return {};
}

void CollectKeys(const std::vector<MenuNode>& nodes, std::unordered_set<std::string_view>& keys) {
  for (const MenuNode& node : nodes) {
    keys.insert(node.key);
    CollectKeys(node.children, keys);
  }
}

// Whether a key of the node or its descendants is in keys already or
// repeats among them; adds the node's keys to keys.
bool KeysRepeat(const MenuNode& node, std::unordered_set<std::string_view>& keys) {
  if (!keys.insert(node.key).second) return true;
  for (const MenuNode& child : node.children) {
    if (KeysRepeat(child, keys)) return true;
  }
  return false;
}

}  // namespace

const MenuNode* FindMenuNode(const std::vector<MenuNode>& roots, std::string_view key) {
  for (const MenuNode& node : roots) {
    if (node.key == key) return &node;
    if (const MenuNode* found = FindMenuNode(node.children, key)) return found;
  }
  return nullptr;
}

MenuNode* FindMenuNode(std::vector<MenuNode>& roots, std::string_view key) {
  return const_cast<MenuNode*>(FindMenuNode(std::as_const(roots), key));
}

bool InsertMenuNode(std::vector<MenuNode>& roots, std::string_view relative_key, Placement placement,
                    MenuNode node) {
  // One walk of the tree, rather than one per new node.
  std::unordered_set<std::string_view> keys;
  CollectKeys(roots, keys);
  if (KeysRepeat(node, keys)) return false;
  Location at = Locate(roots, relative_key);
  if (!at.siblings) return false;
  switch (placement) {
    case Placement::kBefore:
      at.siblings->insert(at.siblings->begin() + static_cast<std::ptrdiff_t>(at.index), std::move(node));
      break;
    case Placement::kAfter:
      at.siblings->insert(at.siblings->begin() + static_cast<std::ptrdiff_t>(at.index) + 1, std::move(node));
      break;
    case Placement::kChild:
      (*at.siblings)[at.index].children.push_back(std::move(node));
      break;
  }
  return true;
}

bool DeleteMenuNode(std::vector<MenuNode>& roots, std::string_view key) {
  Location at = Locate(roots, key);
  if (!at.siblings) return false;
  at.siblings->erase(at.siblings->begin() + static_cast<std::ptrdiff_t>(at.index));
  return true;
}

bool AddMenu(CommandModel& model, const std::string& title, const std::string& parent_title) {
  MenuNode node = MakeMenuNode(title);
  if (FindMenuNode(model.menus, node.key)) return false;
  if (parent_title.empty()) {
    model.menus.push_back(std::move(node));
    return true;
  }
  return InsertMenuNode(model.menus, MenuKey(parent_title), Placement::kChild, std::move(node));
}

bool AddMenuItem(CommandModel& model, const std::string& menu_title, const std::string& command_name) {
  const Command* command = FindCommand(model, command_name);
  if (!command) return false;
  return InsertMenuNode(model.menus, MenuKey(menu_title), Placement::kChild,
                        MakeItemNode(command->name, command->menu_text, command->hotkey));
}

bool InsertMenu(CommandModel& model, std::string_view selected_key, Placement placement, const std::string& title) {
  if (title.empty()) return false;
  return InsertMenuNode(model.menus, selected_key, placement, MakeMenuNode(title));
}

bool InsertMenuItem(CommandModel& model, std::string_view selected_key, Placement placement,
                    const std::string& command_name, const std::string& hotkey) {
  const Command* command = FindCommand(model, command_name);
  if (!command) return false;
  return InsertMenuNode(model.menus, selected_key, placement,
                        MakeItemNode(command->name, command->menu_text, hotkey));
}

}  // namespace kelvad
