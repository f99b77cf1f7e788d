#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <fstream>
#include <map>
#include <set>

#include "ui/help_browser.h"
#include "wizard/keyboard.h"
#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

namespace {

// Every key goes to the widget that has the focus, as a keyboard's would.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  QVERIFY2(focus, "no widget has the focus");
  QTest::keyClick(focus, Qt::Key(key), modifiers);
}

// Alt and a letter or digit; a button pressed so waits out its press.
void Alt(char c) {
  Key(c >= 'a' ? Qt::Key_A + (c - 'a') : Qt::Key_0 + (c - '0'), Qt::AltModifier);
  QTest::qWait(150);
}

void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

QString Focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)"; }

// Tab (or Shift+Tab) until the control has the focus.
void TabTo(const char* control, bool backwards = false) {
  for (int i = 0; i < 40 && Focused() != control; ++i) Key(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
  QCOMPARE(Focused(), QString(control));
}

QWidget* Panel(WizardFixture& f, int index) { return f.Find<QWidget>(qPrintable(QString("MainFrame_%1").arg(index))); }

// Where a control lies on its panel, unaffected by scrolling.
QRect OnPanel(QWidget* w, QWidget* panel) { return QRect(w->mapTo(panel, QPoint(0, 0)), w->size()); }

// Tab order reads like text: each next control lies below the one before,
// or beside it to the right.
bool ReadsOnFrom(const QRect& a, const QRect& b) {
  const int slack = 2;
  bool below = b.top() >= a.bottom() - slack;
  bool right = b.left() >= a.right() - slack && b.top() <= a.bottom() && b.bottom() >= a.top();
  return below || right;
}

char MnemonicOf(const QString& text) { return kelvad::MnemonicOf(text.toStdString()); }

// The panel an object is on, "" for the window's own.
QString PanelOf(QObject* object) {
  for (; object; object = object->parent()) {
    if (object->objectName().startsWith("MainFrame_")) return object->objectName();
  }
  return "";
}

// By panel, the controls that show a key (a letter, a name).
using Owners = std::map<QString, std::map<QString, QStringList>>;

// No key serves two controls on one panel, the window's own counted on each.
void NoneShared(Owners& owners) {
  QStringList shared;
  for (const auto& [panel, keys] : owners) {
    for (const auto& [key, who] : keys) {
      QStringList alike = who + (panel.isEmpty() ? QStringList() : owners[""][key]);
      if (alike.size() > 1) shared << QString("%1 on %2: %3").arg(key, panel, alike.join(", "));
    }
  }
  QVERIFY2(shared.isEmpty(), qPrintable(shared.join("; ")));
}

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
// the panel they are on. Their parts (the rows of a list, the popup of a
// picker) are not controls of their own.
void Collect(QAccessibleInterface* node, std::multimap<QString, QAccessibleInterface*>& controls) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || child->role() == QAccessible::ScrollBar) continue;
    if (!Interactive(child)) {
      Collect(child, controls);
      continue;
    }
    QAccessibleInterface* a = child;
    while (a && !a->object()) a = a->parent();
    controls.emplace(a ? PanelOf(a->object()) : QString(), child);
  }
}

// The control for a message: its object's name, else its role and parent's.
QString Who(QAccessibleInterface* control) {
  if (control->object() && !control->object()->objectName().isEmpty()) return control->object()->objectName();
  QAccessibleInterface* parent = control->parent();
  return QString("role %1 in %2").arg(control->role()).arg(parent ? Who(parent) : QString("nothing"));
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setDoubleClickInterval(400); }

  // From start to "Go!" on keys alone, through every editor: the wizard
  // writes what headless writes for the same choices.
  void TheWholeWizardByKeyboard() {
    QTemporaryDir temp;
    std::string root = temp.path().toStdString();
    WizardFixture f(root + "/wizard");
    f.Marker('c', "epoc.exe");
    f.HelpTemplate('c');
    f.Open();
    f.Activate();
    QCOMPARE(Focused(), QString("Command2_1"));  // the search has ended

    Key(Qt::Key_Return);  // Project Setup: the name selected, ready to be typed over
    Type("Notes");
    Alt('d');  // GUI UID
    Type("0x0100abcd");
    Alt('x');  // Build Text UI Template, off
    Alt('o');  // Non-File Based
    Key(Qt::Key_Return);  // from a line edit

    QCOMPARE(f.PanelShown(), int(kPanelEngine));
    Key(Qt::Key_Space);  // Internalize/Externalize off
    Key(Qt::Key_Return);  // from a check box
    Key(Qt::Key_Return);  // AIF File

    QCOMPARE(f.PanelShown(), int(kPanelCommands));
    Type("CmdDemo");
    Key(Qt::Key_Tab);
    Type("Demo");
    Key(Qt::Key_Tab);
    Type("d");
    Alt('t');  // + Ctrl
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), QString("Command3_1"));
    Key(Qt::Key_Return);  // presses the focused button, not "Next"
    QCOMPARE(f.PanelShown(), int(kPanelCommands));
    Alt('n');

    // Menus. The picker searches as it is typed into; a command already on a
    // menu has its node shown and the item buttons disabled.
    QCOMPARE(f.PanelShown(), int(kPanelMenus));
    auto* tree = f.Find<QTreeWidget>("TreeMenu");
    Alt('i');
    Type("EEikCmdEditCut");
    QCOMPARE(tree->currentItem()->text(0), QString("Cut"));
    QCOMPARE(f.Find<QLabel>("MenuLabel_4")->text(), QString("Cut"));
    QVERIFY(!f.Find<QPushButton>("MenuCommand_3")->isEnabled());
    // Cut goes, then More with its items; a menu Demo after View takes CmdDemo
    // with the hotkey it was given.
    auto select = [&](const char* text) {
      TabTo("TreeMenu");
      Key(Qt::Key_Home);
      for (int i = 0; i < 40 && tree->currentItem()->text(0) != text; ++i) Key(Qt::Key_Down);
      QCOMPARE(tree->currentItem()->text(0), QString(text));
    };
    for (const char* node : {"Cut", "More"}) {
      select(node);
      Alt('d');
      QVERIFY(tree->findItems(node, Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
      QVERIFY(!f.Find<QPushButton>("MenuCommand_2")->isEnabled());
    }
    Alt('m');
    Type("Demo");
    select("View");
    Alt('a');  // Add After
    select("Demo");
    Alt('i');
    Type("CmdDemo");
    Alt('c');  // Add Child
    Alt('n');

    // HotKeys: with Cut gone Ctrl+X is free, Ctrl+C is not; Shift+Ctrl+S for Save.
    QCOMPARE(f.PanelShown(), int(kPanelHotkeys));
    Alt('c');
    Type("EEikCmdFileSave");
    Key(Qt::Key_Down);  // past "Save as..."
    for (auto [letter, free] : {std::pair{"x", true}, std::pair{"c", false}, std::pair{"s", true}}) {
      Alt('k');
      Key(Qt::Key_A, Qt::ControlModifier);  // over the letter before
      Type(letter);
      QCOMPARE(f.Find<QRadioButton>("MenuOpt_6")->isEnabled(), free);
    }
    Alt('s');
    Alt('a');
    Alt('n');

    // Toolbar: CmdDemo, with a text of its own, moved before New and still selected.
    QCOMPARE(f.PanelShown(), int(kPanelToolbar));
    Alt('c');
    Type("EEikCmdFileNew");
    Alt('a');
    Alt('c');
    QTest::qWait(QApplication::keyboardInputInterval());  // a new search, not "EEikCmdFileNewCmdDemo"
    Type("CmdDemo");
    QCOMPARE(f.Find<QLineEdit>("MenuText_1")->text(), QString("Demo"));
    Alt('x');
    Type("Dm");
    Alt('a');
    Key(Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(f.Find<QTreeWidget>("ListView1_0")->currentItem()->text(0), QString("CmdDemo"));
    Alt('n');

    QCOMPARE(f.PanelShown(), int(kPanelCpp));
    Alt('m');  // Add Messaging Integration
    Key(Qt::Key_Return);
    Alt('5');  // Visual C++ 5
    Key(Qt::Key_Return);  // from an option button
    QCOMPARE(f.PanelShown(), int(kPanelExtras));
    Key(Qt::Key_Return);

    // Return never starts the build: not on the Finish panel, not on "Go!".
    QCOMPARE(f.PanelShown(), int(kPanelFinish));
    QTest::qWait(QApplication::doubleClickInterval());
    for (auto [control, backwards] : {std::pair{"RichTextBox1_0", false}, std::pair{"Command1", true}}) {
      TabTo(control, backwards);
      Key(Qt::Key_Return);
      QVERIFY(!f.window->Building() && f.messages.empty());
    }
    Key(Qt::Key_Space);  // a deliberate press
    QTRY_VERIFY_WITH_TIMEOUT(!f.window->Building() && !f.messages.empty(), 20000);
    QVERIFY2(f.messages.back().startsWith("Kelvad has written the project"), qPrintable(f.messages.back()));

    std::string description = root + "/notes.json";
    std::ofstream(description) << R"({
      "commands": [{"name": "CmdDemo", "text": "Demo", "hotkey": "^d"}],
      "menus": [
        {"title": "File", "items": [{"command": "EEikCmdFileNew"}, {"command": "EEikCmdExit"}]},
        {"title": "Edit", "items": [{"command": "EEikCmdEditCopy"}, {"command": "EEikCmdEditPaste"},
                                    {"command": "EEikCmdEditSelectAll"}]},
        {"title": "View", "items": [{"command": "EEikCmdZoomIn"}, {"command": "EEikCmdZoomOut"},
                                    {"command": "EVelCmdViewToolbar"}]},
        {"title": "Demo", "items": [{"command": "CmdDemo"}]},
        {"title": "Tools", "items": [
          {"title": "Infrared", "items": [{"command": "EEikCmdIrdaSend"}, {"command": "EEikCmdIrdaReceive"}]},
          {"command": "EEikCmdHelpContents"}, {"command": "EEikCmdHelpSearch"}, {"command": "EEikCmdHelpAbout"}]}],
      "toolbar": [{"command": "CmdDemo", "text": "Dm"}, {"command": "EEikCmdFileNew"}],
      "hotkeys": [{"command": "EEikCmdFileSave", "hotkey": "^S"}]
    })";
    QStringList args = {"--sdk-release", "5", "--project", QString::fromStdString(description)};
    for (const char* set : {"name=Notes", "gui_uid=0x0100abcd", "text_ui=0", "file_based=0", "stream_methods=0",
                            "messaging=1", "vc_version=5"}) args << "--set" << set;
    f.SameAsHeadless("Notes", args);
  }

  // On every panel of the twelve, named by its place, the focus starts on
  // the first input; Tab then goes through the panel as it reads, the
  // navigation buttons, and the layout trees last, and reaches every control
  // there is. "Back" returns all the way to Welcome.
  void TabFollowsTheVisualOrder() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.Open();
    f.Activate();
    QCOMPARE(PanelSequence().size(), size_t{12});
    for (int place = 1; place <= 12; ++place) {
      int panel_index = PanelSequence()[place - 1];
      QCOMPARE(f.PanelShown(), panel_index);
      QCOMPARE(f.Find<QLabel>("PanelLabel")->text(), QString("Panel %1 of 12").arg(place));
      if (place < 12) QCOMPARE(f.Caption("Command2_1"), QString("Next (%1) >>").arg(place + 1));
      QWidget* panel = Panel(f, panel_index);
      QWidget* first = QApplication::focusWidget();
      std::vector<QWidget*> cycle;
      do {
        // A label steps through its links before the focus leaves it.
        if (cycle.empty() || cycle.back() != QApplication::focusWidget()) cycle.push_back(QApplication::focusWidget());
        Key(Qt::Key_Tab);
      } while (QApplication::focusWidget() != first && cycle.size() < 80);
      QCOMPARE(QApplication::focusWidget(), first);
      // The cycle read from the panel's first control.
      auto start = std::find_if(cycle.begin(), cycle.end(), [&](QWidget* w) { return panel->isAncestorOf(w); });
      std::rotate(cycle.begin(), start, cycle.end());
      QStringList names;
      for (QWidget* w : cycle) names << w->objectName();
      size_t in_panel = std::count_if(cycle.begin(), cycle.end(), [&](QWidget* w) { return panel->isAncestorOf(w); });
      for (size_t i = 1; i < in_panel; ++i) {
        QVERIFY2(ReadsOnFrom(OnPanel(cycle[i - 1], panel), OnPanel(cycle[i], panel)),
                 qPrintable(QString("%1 before %2 in: ").arg(names[int(i) - 1], names[int(i)]) + names.join(" ")));
      }
      QStringList after;
      for (const char* control : {"PBMainHelp", "Command2_0", "Command2_1", "Command1", "TreeView2_0", "TreeView2_1"}) {
        if (f.Find<QWidget>(control)->isVisible() && f.Find<QWidget>(control)->isEnabled()) after << control;
      }
      QCOMPARE(names.mid(int(in_panel)), after);
      for (QWidget* w : panel->findChildren<QWidget*>()) {
        bool reachable = w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
        // Option buttons of a group share one stop; the arrows choose among them.
        if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked()) continue;
        if (reachable) QVERIFY2(names.contains(w->objectName()), qPrintable(w->objectName() + " not in " + names.join(" ")));
      }
      if (place < 12) f.Next();
    }
    QVERIFY(f.Find<QWidget>("Command2_1")->isHidden() && !f.Find<QWidget>("Command1")->isHidden());
    for (int i = 0; i < 11; ++i) f.Click("Command2_0");
    QCOMPARE(f.PanelShown(), int(kPanelWelcome));
    QVERIFY(f.Find<QWidget>("Command1")->isHidden());
  }

  // Alt and a letter reaches every button, check box, option button and
  // labelled field, and every control a screen reader reaches says what it
  // is; no letter and no name serves twice on one panel with the navigation
  // and the layout trees beside it. A picker is named by its label, not by
  // the command it shows; a "?" button by what it explains.
  void EveryControlHasAKeyAndANameOfItsOwn() {
    WizardFixture f;
    f.Marker('d', "epoc.exe");
    f.Open();
    f.Click("PBMainHelp");
    // Fields are reached through their labels; the count of controls
    // stands beside the "Controls" check box, which is its label.
    for (auto* field : f.window->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field)) continue;
      if (qobject_cast<QComboBox*>(field->parentWidget()) || field->objectName() == "SubPrjCount_0") continue;
      bool labelled = false;
      for (auto* label : f.window->findChildren<QLabel*>()) labelled |= label->buddy() == field;
      QVERIFY2(labelled, qPrintable(field->objectName()));
    }
    QStringList keyless;
    Owners letters;
    for (QWidget* w : f.window->findChildren<QWidget*>()) {
      if (w->window() != f.window.get()) continue;  // the help browser's keys work in its own window
      QStringList texts;
      if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        texts << button->text();
        bool words = std::any_of(texts[0].begin(), texts[0].end(), [](QChar c) { return c.isLetterOrNumber(); });
        if (words && button->shortcut().isEmpty()) keyless << w->objectName();
      } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
        texts << label->text();
        if (!MnemonicOf(label->text())) keyless << w->objectName();
      } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        texts << box->title();
      } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
      }
      for (const QString& text : texts) {
        if (char c = MnemonicOf(text)) letters[PanelOf(w)][QString("Alt+%1").arg(c)] << w->objectName();
      }
    }
    QVERIFY2(keyless.isEmpty(), qPrintable("no key: " + keyless.join(", ")));
    NoneShared(letters);

    std::multimap<QString, QAccessibleInterface*> controls;
    Collect(QAccessible::queryAccessibleInterface(f.window.get()), controls);
    Collect(QAccessible::queryAccessibleInterface(f.window->Browser()), controls);  // the window's own, a window apart
    QStringList unnamed;
    Owners names;
    for (const auto& [panel, control] : controls) {
      QString name = control->text(QAccessible::Name).trimmed();
      if (name.isEmpty() || name == "?") unnamed << Who(control) + " '" + name + "'";
      names[panel][control->text(QAccessible::Name)] << Who(control);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    // Every panel of the sequence has some, and the window its own.
    QCOMPARE(names.size(), PanelSequence().size() + 1);
    NoneShared(names);
    auto* picker = QAccessible::queryAccessibleInterface(f.Find<QWidget>("Combo2_1"));
    QCOMPARE(picker->text(QAccessible::Name), QString("Button Command:"));
    QCOMPARE(picker->text(QAccessible::Value), QString("EEikCmdCanceled"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Find<QWidget>("PBHelp_6"))->text(QAccessible::Name),
             QString("Help on sub-projects"));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::KeyboardTest)
#include "keyboard_test.moc"
