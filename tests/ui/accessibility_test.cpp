#include <QAccessible>
#include <QPushButton>
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
  auto* widget = qobject_cast<QWidget*>(control->object());
  if (widget && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()) return true;
  switch (control->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
      return true;
    default:
      return false;
  }
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
  void EveryControlHasItsOwnName() {
    WizardFixture f;
    f.Marker('d', "epoc.exe");
    f.Open();
    f.Click("PBMainHelp");
    std::multimap<QString, QAccessibleInterface*> controls;
    Collect(QAccessible::queryAccessibleInterface(f.window.get()), controls);
    std::multimap<QString, QAccessibleInterface*> browser;
    Collect(QAccessible::queryAccessibleInterface(f.window->Browser()), browser);
    controls.merge(browser);  // the browser's are the window's own, a window apart

    QStringList unnamed;
    std::set<QString> panels;
    for (const auto& [panel, control] : controls) {
      QString name = control->text(QAccessible::Name).trimmed();
      if (name.isEmpty() || name == "?") unnamed << Who(control) + " '" + name + "'";
      panels.insert(panel);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    int duplicated = 0;
    for (const QString& panel : panels) {
      if (panel.isEmpty()) continue;
      std::map<QString, QStringList> by_name;
      for (const QString& on : {panel, QString()}) {
        auto [from, to] = controls.equal_range(on);
        for (auto it = from; it != to; ++it) {
          by_name[it->second->text(QAccessible::Name)] << Who(it->second);
        }
      }
      for (const auto& [name, owners] : by_name) {
        if (owners.size() > 1) {
          ++duplicated;
          qWarning("%s: %s named '%s'", qPrintable(panel), qPrintable(owners.join(", ")), qPrintable(name));
        }
      }
    }
    QCOMPARE(duplicated, 0);
    QStringList seen(panels.begin(), panels.end());
    // Every panel of the sequence has some, and the window its own.
    QVERIFY2(panels.size() == PanelSequence().size() + 1, qPrintable(seen.join(" ")));
    qInfo("%d interactive controls, none unnamed, none named alike", int(controls.size()));
  }

  // The pickers are named by their labels, not by the command they show;
  // the "?" buttons by what they explain.
  void NamesComeFromLabelsNotValues() {
    WizardFixture f;
    f.Open();
    auto name = [&](const char* control) {
      return QAccessible::queryAccessibleInterface(f.Find<QWidget>(control))->text(QAccessible::Name);
    };
    QCOMPARE(name("Combo2_1"), QString("Button Command:"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Find<QWidget>("Combo2_1"))->text(QAccessible::Value),
             QString("EEikCmdCanceled"));
    QCOMPARE(name("TextUUID_2"), QString("Engine Unicode UID :"));
    QCOMPARE(name("PBHelp_6"), QString("Help on sub-projects"));
    QCOMPARE(name("TreeView2_0"), QString("Project layout"));

  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::AccessibilityTest)
#include "accessibility_test.moc"
