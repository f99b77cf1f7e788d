#include "ui/editor_controls.h"

#include <QHeaderView>
#include <memory>

#include "ui/qt_bridge.h"
#include "wizard/editors.h"

namespace kelvad {

HotkeyEditor HotkeyEditor::Of(QWidget* root, int panel) {
  HotkeyEditor editor;
  editor.key = root->findChild<QComboBox*>(QString("MenuCombo_%1").arg(panel));
  for (int i = 0; i < 3; ++i) {
    editor.options[i] = root->findChild<QRadioButton*>(QString("MenuOpt_%1").arg(3 * panel + i));
  }
  return editor;
}

HotkeyModifier HotkeyEditor::Modifier() const {
  if (options[2]->isChecked()) return HotkeyModifier::kPlain;
  if (options[0]->isChecked()) return HotkeyModifier::kCtrl;
  if (options[1]->isChecked()) return HotkeyModifier::kShiftCtrl;
  return HotkeyModifier::kNone;
}

void HotkeyEditor::Show(const HotkeyEditorState& state) {
  key->setCurrentIndex(key->findText(ToQ(state.key)));
  if (key->isEditable()) key->setEditText(ToQ(state.key));
  int chosen = state.modifier == HotkeyModifier::kCtrl        ? 0
               : state.modifier == HotkeyModifier::kShiftCtrl ? 1
               : state.modifier == HotkeyModifier::kPlain     ? 2
                                                              : -1;
  for (int i = 0; i < 3; ++i) {
    // Clearing the checked button of a group needs its exclusivity off for a moment.
    options[i]->setAutoExclusive(false);
    options[i]->setChecked(i == chosen);
    options[i]->setAutoExclusive(true);
  }
}

void HotkeyEditor::SetOptionsEnabled(bool ctrl, bool shift_ctrl, bool plain) const {
  options[0]->setEnabled(ctrl);
  options[1]->setEnabled(shift_ctrl);
  options[2]->setEnabled(plain);
}

void HotkeyEditor::OfferOptionsWithAKey(QObject* context) {
  SetOptionsEnabled(false, false, false);
  QObject::connect(key, &QComboBox::currentTextChanged, context, [editor = *this](const QString& text) {
    bool offered = ModifiersOffered(FromQ(text));
    editor.SetOptionsEnabled(offered, offered, offered);
  });
}

void EnableColumnSort(QTreeWidget* view, std::function<void()> after_sort) {
  auto sort = std::make_shared<ColumnSort>();
  view->header()->setSectionsClickable(true);
  QObject::connect(view->header(), &QHeaderView::sectionClicked, view, [view, sort, after_sort](int column) {
    *sort = ClickColumn(*sort, column);
    view->setSortingEnabled(sort->enabled);
    view->sortByColumn(sort->column, sort->ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    if (after_sort) after_sort();
  });
}

void OnRowChosen(QTreeWidget* view, std::function<void(QTreeWidgetItem*)> chosen) {
  QObject::connect(view, &QTreeWidget::itemClicked, view, [chosen](QTreeWidgetItem* item) { chosen(item); });
  QObject::connect(view, &QTreeWidget::currentItemChanged, view, [view, chosen](QTreeWidgetItem* item) {
    if (item && view->hasFocus()) chosen(item);
  });
}

QTreeWidgetItem* AddRow(QTreeWidget* view, const QStringList& columns) {
  auto* item = new QTreeWidgetItem(view, columns);
  return item;
}

std::vector<QStringList> Rows(const QTreeWidget* view) {
  std::vector<QStringList> rows;
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = view->topLevelItem(i);
    QStringList columns;
    for (int c = 0; c < view->columnCount(); ++c) columns << item->text(c);
    rows.push_back(columns);
  }
  return rows;
}

void SelectRow(QTreeWidget* view, const QString& key) {
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = view->topLevelItem(i);
    if (item->text(0) == key) {
      QSignalBlocker quiet(view);
      view->setCurrentItem(item);
      view->scrollToItem(item);
      return;
    }
  }
}

}  // namespace kelvad
