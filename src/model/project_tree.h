#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelvad {

struct TreeNode {
  std::string key;
  std::string text;
  std::string parent;  // empty for a root
  int image = 0;
  int selected_image = 0;  // 0: the tree's default
};

// A tree of uniquely keyed nodes kept in display order: the project tree
// that a build fills and the layout preview trees.
class Tree {
 public:
  // Appends the node as the last child of its parent (a root when the parent
  // is empty). Fails with kelvad::Error on a duplicate key or a missing parent.
  void Add(const std::string& parent, const std::string& key, const std::string& text, int image,
           int selected_image = 0);
  // Removes the node and its descendants; false when there is no such node.
  bool Remove(const std::string& key);
  // Changes a node's text in place; false when there is no such node.
  bool SetText(const std::string& key, const std::string& text);
  void Clear();
  const TreeNode* Find(const std::string& key) const;
  bool Contains(const std::string& key) const { return Find(key) != nullptr; }
  // Child keys of a node in order; the roots for an empty key.
  std::vector<std::string> Children(const std::string& key) const;
  // Depth-first, parents before children, siblings in order.
  std::vector<const TreeNode*> InDisplayOrder() const;
  size_t size() const { return nodes_.size(); }

  // Called after each node is added, so a view can show and scroll to it.
  std::function<void(const TreeNode&)> on_added;
  std::function<void(const std::string&)> on_removed;
  std::function<void(const TreeNode&)> on_text_changed;
  std::function<void()> on_cleared;

 private:
  std::vector<TreeNode> nodes_;  // in insertion order
};

}  // namespace kelvad
