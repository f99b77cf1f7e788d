#include "ui/qt_bridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QValidator>

#include "platform/encoding.h"

namespace kelvad {

namespace {

class OneLineTextValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& /*position*/) const override {
    return IsOneLineWindows1252(FromQ(text)) ? Acceptable : Invalid;
  }
};

// The Developer Studio versions and their option buttons.
const std::pair<int, const char*> kVcOptions[] = {{6, "Option1_0"}, {5, "Option1_2"}, {4, "Option1_3"}};

void SetChecked(QAbstractButton* button, bool value) {
  if (button->isChecked() == value) return;
  auto* radio = qobject_cast<QRadioButton*>(button);
  if (radio && !value) {
    // An exclusive group refuses to clear its checked button.
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
    return;
  }
  button->setChecked(value);
}

}  // namespace

void ApplyEffects(QWidget* root, const ControlEffects& effects) {
  for (const auto& effect : effects) {
    auto* widget = root->findChild<QWidget*>(ToQ(effect.control));
    if (!widget) continue;
    switch (effect.property) {
      case ControlEffect::Property::kVisible:
        widget->setVisible(effect.value);
        break;
      case ControlEffect::Property::kEnabled:
        widget->setEnabled(effect.value);
        break;
      case ControlEffect::Property::kChecked:
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) SetChecked(button, effect.value);
        break;
    }
  }
}

void AcceptOnlyOneLineText(QWidget* root) {
  for (QLineEdit* edit : root->findChildren<QLineEdit*>()) edit->setValidator(new OneLineTextValidator(edit));
}

Settings ReadSettings(const QWidget* root) {
  Settings settings;
  for (const auto& info : SettingTable()) {
    if (info.kind == SettingKind::kText) {
      std::string value;
      if (auto* edit = Control<QLineEdit>(root, info.control)) {
        value = FromQ(edit->text());
      } else if (auto* combo = Control<QComboBox>(root, info.control)) {
        value = FromQ(combo->currentText());
      } else {
        continue;
      }
      settings.*(info.text) = value;
    } else if (info.kind == SettingKind::kCheck) {
      if (auto* button = Control<QAbstractButton>(root, info.control)) settings.*(info.check) = button->isChecked();
    }
  }
  // No version selected (no SDK found) reads as the default.
  for (auto [version, name] : kVcOptions) {
    if (auto* button = Control<QAbstractButton>(root, name); button && button->isChecked()) settings.vc_version = version;
  }
  return settings;
}

void WriteSettings(QWidget* root, const Settings& settings) {
  for (const auto& info : SettingTable()) {
    if (info.kind == SettingKind::kText) {
      QString value = ToQ(settings.*(info.text));
      if (auto* edit = Control<QLineEdit>(root, info.control)) {
        if (edit->text() != value) edit->setText(value);
      } else if (auto* combo = Control<QComboBox>(root, info.control)) {
        // The drive list matches on the drive letter and colon.
        int index = combo->findText(value);
        if (index < 0 && info.control == std::string("Drive1")) {
          for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i).left(2).compare(value.left(2), Qt::CaseInsensitive) == 0) index = i;
          }
        }
        if (index >= 0) {
          combo->setCurrentIndex(index);
        } else if (combo->isEditable()) {
          combo->setEditText(value);
        }
      }
    } else if (info.kind == SettingKind::kCheck) {
      if (auto* button = Control<QAbstractButton>(root, info.control)) SetChecked(button, settings.*(info.check));
    }
  }
  if (auto* other = Control<QAbstractButton>(root, "OptFile_1")) SetChecked(other, !settings.file_based);
  for (auto [version, name] : kVcOptions) {
    if (auto* button = Control<QAbstractButton>(root, name)) SetChecked(button, settings.vc_version == version);
  }
}

QIcon TreeImageIcon(int image) {
  QStyle* style = QApplication::style();
  switch (image) {
    case 1:
      return style->standardIcon(QStyle::SP_ComputerIcon);
    case 2:
      return style->standardIcon(QStyle::SP_DriveHDIcon);
    case 3:
      return style->standardIcon(QStyle::SP_DriveFDIcon);
    case 6:
      return style->standardIcon(QStyle::SP_DirOpenIcon);
    case 7:
      return style->standardIcon(QStyle::SP_DirClosedIcon);
    case 14:
      return style->standardIcon(QStyle::SP_CommandLink);
    default:
      return style->standardIcon(QStyle::SP_FileIcon);
  }
}

TreeMirror::TreeMirror(Tree& tree, QTreeWidget* view) : tree_(tree), view_(view) {
  ShowLongTextsWhole(view_);
  view_->clear();
  for (const TreeNode* node : tree_.InDisplayOrder()) Added(*node);
  tree_.on_added = [this](const TreeNode& node) { Added(node); };
  tree_.on_removed = [this](const std::string& key) {
    auto it = items_.find(key);
    if (it == items_.end()) return;
    // The core removes children first, so the item has none left here.
    delete it->second;
    items_.erase(it);
  };
  tree_.on_text_changed = [this](const TreeNode& node) {
    if (auto* item = Item(node.key)) item->setText(0, ToQ(node.text));
  };
  tree_.on_cleared = [this]() {
    view_->clear();
    items_.clear();
  };
}

void ShowLongTextsWhole(QTreeWidget* view) {
  // A narrow view scrolls sideways rather than cutting names short.
  view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view->header()->setStretchLastSection(false);
}

TreeMirror::~TreeMirror() {
  tree_.on_added = nullptr;
  tree_.on_removed = nullptr;
  tree_.on_text_changed = nullptr;
  tree_.on_cleared = nullptr;
}

QTreeWidgetItem* TreeMirror::Item(const std::string& key) const {
  auto it = items_.find(key);
  return it == items_.end() ? nullptr : it->second;
}

void TreeMirror::Added(const TreeNode& node) {
  QTreeWidgetItem* parent = node.parent.empty() ? nullptr : Item(node.parent);
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(view_);
  item->setText(0, ToQ(node.text));
  QIcon icon = TreeImageIcon(node.image);
  if (node.selected_image != 0) {
    icon.addPixmap(TreeImageIcon(node.selected_image).pixmap(16), QIcon::Selected);
  }
  item->setIcon(0, icon);
  item->setData(0, Qt::UserRole, ToQ(node.key));
  items_[node.key] = item;
  for (auto* ancestor = parent; ancestor; ancestor = ancestor->parent()) ancestor->setExpanded(true);
  view_->scrollToItem(item);
}

}  // namespace kelvad
