#pragma once

#include <QIcon>
#include <QString>
#include <QTreeWidget>
#include <QWidget>
#include <map>
#include <string>

#include "model/project_tree.h"
#include "model/settings.h"
#include "wizard/reactions.h"

namespace kelvad {

inline QString ToQ(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string FromQ(const QString& text) { return text.toStdString(); }

// The control of that object name under the root, or null.
template <class T>
T* Control(const QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

// Applies the core's decisions to the controls, found by object name under
// the root. A radio button can be cleared even when it is the checked one of
// its group, as the release options need.
void ApplyEffects(QWidget* root, const ControlEffects& effects);

// The settings record as the controls under the root show it now, and the
// controls set from a record: the one place where the wizard's controls
// and the settings meet, driven by the settings table.
Settings ReadSettings(const QWidget* root);
void WriteSettings(QWidget* root, const Settings& settings);

// Every line edit under the root refuses, as typed or pasted, text that one
// line of a generated file cannot hold (the rule is the core's).
void AcceptOnlyOneLineText(QWidget* root);

// The picture of a tree image index.
QIcon TreeImageIcon(int image);

// Lets a tree or list view scroll sideways instead of eliding texts: every
// column as wide as its contents, none cut short.
void ShowLongTextsWhole(QTreeWidget* view);

// Keeps a tree view showing a core tree: nodes added, removed, renamed and
// cleared in the core show up at once, each new node scrolled into view.
class TreeMirror {
 public:
  TreeMirror(Tree& tree, QTreeWidget* view);
  ~TreeMirror();
  TreeMirror(const TreeMirror&) = delete;
  TreeMirror& operator=(const TreeMirror&) = delete;
  QTreeWidgetItem* Item(const std::string& key) const;

 private:
  void Added(const TreeNode& node);
  Tree& tree_;
  QTreeWidget* view_;
  std::map<std::string, QTreeWidgetItem*> items_;
};

}  // namespace kelvad
