#include <QAccessible>
#include <QTest>
#include <map>
#include <set>

#include "ui/help_browser.h"
#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

namespace {

// What a screen reader lets the user act on, or reaches with Tab.
bool Interactive(QAccessibleInterface* control) {
  static const std::set<QAccessible::Role> roles = {
      QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
      QAccessible::EditableText, QAccessible::SpinBox,  QAccessible::Slider,      QAccessible::List,
      QAccessible::Tree,         QAccessible::Table,    QAccessible::PageTab,     QAccessible::Link,
      QAccessible::ButtonMenu,   QAccessible::ButtonDropDown};
  auto* widget = qobject_cast<QWidget*>(control->object());
  return (widget && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()) || roles.count(control->role());
}

// The interactive controls under an interface, hidden ones included, by
// the panel they are on ("" for the window's own). Their parts (the rows
// of a list, the popup of a picker) are not controls of their own.
void Collect(QAccessibleInterface* node, std::multimap<QString, QAccessibleInterface*>& controls) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || child->role() == QAccessible::ScrollBar) continue;
    if (!Interactive(child)) {
      Collect(child, controls);
      continue;
    }
    QString panel;
    for (QAccessibleInterface* a = child; a && panel.isEmpty(); a = a->parent()) {
      if (a->object() && a->object()->objectName().startsWith("MainFrame_")) panel = a->object()->objectName();
    }
    controls.emplace(panel, child);
  }
}

// The control for a message: its object's name, else its role and parent's.
QString Who(QAccessibleInterface* control) {
  if (control->object() && !control->object()->objectName().isEmpty()) return control->object()->objectName();
  QAccessibleInterface* parent = control->parent();
  return QString("role %1 in %2").arg(control->role()).arg(parent ? Who(parent) : QString("nothing"));
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  // Every control a screen reader reaches says what it is, and no two on
  // one panel (the navigation and the layout trees beside it) say the same.
  // A picker is named by its label, not by the command it shows; a "?"
  // button by what it explains.
  void EveryControlHasItsOwnName() {
    WizardFixture f;
    f.Marker('d', "epoc.exe");
    f.Open();
    f.Click("PBMainHelp");
    std::multimap<QString, QAccessibleInterface*> controls;
    Collect(QAccessible::queryAccessibleInterface(f.window.get()), controls);
    Collect(QAccessible::queryAccessibleInterface(f.window->Browser()), controls);  // the window's own, a window apart

    QStringList unnamed;
    std::map<QString, std::map<QString, QStringList>> by_name;  // panel, name: controls
    for (const auto& [panel, control] : controls) {
      QString name = control->text(QAccessible::Name).trimmed();
      if (name.isEmpty() || name == "?") unnamed << Who(control) + " '" + name + "'";
      by_name[panel][control->text(QAccessible::Name)] << Who(control);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    // Every panel of the sequence has some, and the window its own.
    QCOMPARE(by_name.size(), PanelSequence().size() + 1);
    int duplicated = 0;
    for (const auto& [panel, names] : by_name) {
      for (const auto& [name, owners] : names) {
        QStringList alike = owners + (panel.isEmpty() ? QStringList() : by_name[""][name]);
        if (alike.size() < 2) continue;
        ++duplicated;
        qWarning("%s: %s named '%s'", qPrintable(panel), qPrintable(alike.join(", ")), qPrintable(name));
      }
    }
    QCOMPARE(duplicated, 0);

    auto* picker = QAccessible::queryAccessibleInterface(f.Find<QWidget>("Combo2_1"));
    QCOMPARE(picker->text(QAccessible::Name), QString("Button Command:"));
    QCOMPARE(picker->text(QAccessible::Value), QString("EEikCmdCanceled"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Find<QWidget>("PBHelp_6"))->text(QAccessible::Name),
             QString("Help on sub-projects"));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::AccessibilityTest)
#include "accessibility_test.moc"
