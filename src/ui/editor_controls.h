#pragma once

#include <QComboBox>
#include <QRadioButton>
#include <QStringList>
#include <QTreeWidget>
#include <array>
#include <functional>

#include "resources/hotkeys.h"

namespace kelvad {

// A hotkey editor: the key picker and its "+ Ctrl", "+ Shift + Ctrl" and
// "Plain" options.
struct HotkeyEditor {
  QComboBox* key = nullptr;
  std::array<QRadioButton*, 3> options{};  // Ctrl, Shift + Ctrl, Plain

  // The editor of panel p: MenuCombo_p and MenuOpt_3p to MenuOpt_3p+2.
  static HotkeyEditor Of(QWidget* root, int panel);
  HotkeyModifier Modifier() const;
  QString KeyText() const { return key->currentText(); }
  // Shows a key and selects its option (none for kNone).
  void Show(const HotkeyEditorState& state);
  void SetOptionsEnabled(bool ctrl, bool shift_ctrl, bool plain) const;
  // Starts with the options disabled and offers all three whenever a key
  // is picked (the commands and menus panels; the hotkeys panel has its
  // own availability rule).
  void OfferOptionsWithAKey(QObject* context);
};

// Column clicks sort a list view, a second click on the sort column flipping
// the order; after_sort runs once the rows have their new order.
void EnableColumnSort(QTreeWidget* view, std::function<void()> after_sort = nullptr);

// Calls chosen with the row the user clicks, or moves to with the keyboard
// while the view has the focus: moving through a list is choosing, as in
// the desktop's own lists. Rows the program selects do not count.
void OnRowChosen(QTreeWidget* view, std::function<void(QTreeWidgetItem*)> chosen);

// Appends a row keyed by its first column; returns it.
QTreeWidgetItem* AddRow(QTreeWidget* view, const QStringList& columns);
// The rows top to bottom, each as its columns.
std::vector<QStringList> Rows(const QTreeWidget* view);
// Selects the row whose first column is key, scrolling it into view; the
// program's choice, not the user's (OnRowChosen is not told).
void SelectRow(QTreeWidget* view, const QString& key);

}  // namespace kelvad
