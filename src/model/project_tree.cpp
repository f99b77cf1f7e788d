#include "model/project_tree.h"

#include <algorithm>

#include "platform/errors.h"

namespace kelvad {

void Tree::Add(const std::string& parent, const std::string& key, const std::string& text, int image,
               int selected_image) {
  if (Contains(key)) throw Error("Key is not unique in collection: \"" + key + "\"");
  if (!parent.empty() && !Contains(parent)) throw Error("Element not found: \"" + parent + "\"");
  nodes_.push_back(TreeNode{key, text, parent, image, selected_image});
  if (on_added) on_added(nodes_.back());
}

bool Tree::Remove(const std::string& key) {
  if (!Contains(key)) return false;
  for (const auto& child : Children(key)) Remove(child);
  nodes_.erase(std::remove_if(nodes_.begin(), nodes_.end(), [&](const TreeNode& n) { return n.key == key; }),
               nodes_.end());
  if (on_removed) on_removed(key);
  return true;
}

bool Tree::SetText(const std::string& key, const std::string& text) {
  for (auto& node : nodes_) {
    if (node.key == key) {
      node.text = text;
      if (on_text_changed) on_text_changed(node);
      return true;
    }
  }
  return false;
}

void Tree::Clear() {
  nodes_.clear();
  if (on_cleared) on_cleared();
}

const TreeNode* Tree::Find(const std::string& key) const {
  for (const auto& node : nodes_) {
    if (node.key == key) return &node;
  }
  return nullptr;
}

std::vector<std::string> Tree::Children(const std::string& key) const {
  std::vector<std::string> keys;
  for (const auto& node : nodes_) {
    if (node.parent == key) keys.push_back(node.key);
  }
  return keys;
}

std::vector<const TreeNode*> Tree::InDisplayOrder() const {
  std::vector<const TreeNode*> out;
  std::function<void(const std::string&)> visit = [&](const std::string& parent) {
    for (const auto& child : Children(parent)) {
      out.push_back(Find(child));
      visit(child);
    }
  };
  visit("");
  return out;
}

}  // namespace kelvad
