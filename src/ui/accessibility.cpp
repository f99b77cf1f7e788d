#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace kelvad {

namespace {

// Qt's own combo box interface, but for the name: the popup list and the
// line edit as children, the current text as value, the popup as action.
class LabelledComboBox : public QAccessibleWidget {
 public:
  explicit LabelledComboBox(QWidget* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return Combo()->lineEdit() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
    if (index == 1 && Combo()->lineEdit()) return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == Combo()->view()) return 0;
    if (Combo()->lineEdit() && child->object() == Combo()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (Combo()->view()->isVisible()) {
      Combo()->hidePopup();
    } else {
      Combo()->showPopup();
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ComboBoxFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QComboBox") || !object || !object->isWidgetType()) return nullptr;
  return new LabelledComboBox(static_cast<QWidget*>(object));
}

}  // namespace

void NameComboBoxesByTheirLabels() {
  static const bool installed = [] {
    QAccessible::installFactory(ComboBoxFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace kelvad
