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

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setDoubleClickInterval(400); }

  // From start to "Go!" on keys alone: the wizard writes what headless
  // writes for the same choices.
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
    QCOMPARE(f.PanelShown(), int(kPanelProjectSetup));
    QCOMPARE(Focused(), QString("Text1_0"));
    Type("Notes");
    Alt('d');  // GUI UID
    QCOMPARE(Focused(), QString("TextUUID_3"));
    Type("0x0100abcd");
    Alt('x');  // Build Text UI Template, off
    Alt('o');  // Non-File Based
    QVERIFY(f.Find<QRadioButton>("OptFile_1")->isChecked() && !f.Find<QCheckBox>("Check1_2")->isChecked());
    Key(Qt::Key_Return);  // from a line edit

    QCOMPARE(f.PanelShown(), int(kPanelEngine));
    Key(Qt::Key_Space);  // Internalize/Externalize off: Load/Store hides
    QVERIFY(f.Find<QCheckBox>("Check4_1")->isHidden());
    Key(Qt::Key_Return);  // from a check box
    Key(Qt::Key_Return);  // AIF File

    QCOMPARE(f.PanelShown(), int(kPanelCommands));
    Type("CmdDemo");
    Key(Qt::Key_Tab);
    Type("Demo");
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), QString("MenuCombo_1"));
    Type("d");
    Alt('t');  // + Ctrl
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), QString("Command3_1"));
    Key(Qt::Key_Return);  // presses the focused button, not "Next"
    QCOMPARE(f.Find<QTreeWidget>("ListView1_1")->findItems("CmdDemo", Qt::MatchExactly).size(), 1);
    Alt('n');

    QCOMPARE(f.PanelShown(), int(kPanelMenus));
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    auto* tree = f.Find<QTreeWidget>("TreeMenu");
    QCOMPARE(Focused(), QString("TreeMenu"));
    for (int i = 0; i < 20 && tree->currentItem()->text(0) != "Edit"; ++i) Key(Qt::Key_Down);
    Alt('i');  // Menu Item Command: the picker searches as it is typed into
    Type("CmdDemo");
    QCOMPARE(f.Find<QComboBox>("Combo2_0")->currentText(), QString("CmdDemo"));
    Alt('c');  // Add Child, with the command's own hotkey
    QTreeWidgetItem* edit = tree->findItems("Edit", Qt::MatchExactly)[0];
    QCOMPARE(edit->child(edit->childCount() - 1)->text(0), QString("Demo"));
    Alt('n');  // HotKeys
    Alt('n');

    QCOMPARE(f.PanelShown(), int(kPanelToolbar));
    Alt('c');
    Type("CmdDemo");
    QCOMPARE(f.Find<QLineEdit>("MenuText_1")->text(), QString("Demo"));
    Alt('a');
    QCOMPARE(f.Find<QTreeWidget>("ListView1_0")->topLevelItemCount(), 1);
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
      for (int i = 0; i < 30 && Focused() != control; ++i) Key(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
      QCOMPARE(Focused(), QString(control));
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
        {"title": "File", "items": [{"command": "EEikCmdFileNew"},
          {"title": "More", "items": [{"command": "EEikCmdFileImport"}, {"command": "EEikCmdFileExport"},
                                      {"command": "EEikCmdFileRevert"}, {"command": "EEikCmdFileMerge"}]},
          {"command": "EEikCmdExit"}]},
        {"title": "Edit", "items": [{"command": "EEikCmdEditCut"}, {"command": "EEikCmdEditCopy"},
          {"command": "EEikCmdEditPaste"}, {"command": "EEikCmdEditSelectAll"}, {"command": "CmdDemo"}]},
        {"title": "View", "items": [{"command": "EEikCmdZoomIn"}, {"command": "EEikCmdZoomOut"},
                                    {"command": "EVelCmdViewToolbar"}]},
        {"title": "Tools", "items": [
          {"title": "Infrared", "items": [{"command": "EEikCmdIrdaSend"}, {"command": "EEikCmdIrdaReceive"}]},
          {"command": "EEikCmdHelpContents"}, {"command": "EEikCmdHelpSearch"}, {"command": "EEikCmdHelpAbout"}]}],
      "toolbar": [{"command": "CmdDemo", "text": "Demo"}]
    })";
    std::filesystem::create_directories(root + "/headless/c/Aleppo/Template");
    std::ofstream(root + "/headless/c/Aleppo/Template/EPOCHELP.DOT");
    QCOMPARE(Headless(root + "/headless",
                      {"--sdk-release", "5", "--project", QString::fromStdString(description), "--set", "name=Notes",
                       "--set", "gui_uid=0x0100abcd", "--set", "text_ui=0", "--set", "file_based=0", "--set",
                       "stream_methods=0", "--set", "messaging=1", "--set", "vc_version=5"}),
             0);
    CompareTrees(root + "/wizard/c/Notes", root + "/headless/c/Notes");
  }

  // On every panel the focus starts on the first input; Tab then goes
  // through the panel as it reads, the navigation buttons, and the layout
  // trees last, and reaches every control there is.
  void TabFollowsTheVisualOrder() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.Open();
    f.Activate();
    const QStringList nav = {"PBMainHelp", "Command2_0", "Command2_1", "Command1"};
    for (int panel_index : PanelSequence()) {
      QCOMPARE(f.PanelShown(), panel_index);
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
      QStringList after = names.mid(int(in_panel));
      QStringList expected_after;
      for (const QString& button : nav) {
        auto* w = f.Find<QWidget>(qPrintable(button));
        if (w->isVisible() && w->isEnabled()) expected_after << button;
      }
      expected_after << "TreeView2_0" << "TreeView2_1";
      QCOMPARE(after, expected_after);
      for (QWidget* w : panel->findChildren<QWidget*>()) {
        bool reachable = w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
        // Option buttons of a group share one stop; the arrows choose among them.
        if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked()) continue;
        if (reachable) QVERIFY2(names.contains(w->objectName()), qPrintable(w->objectName() + " not in " + names.join(" ")));
      }
      if (panel_index != kPanelFinish) f.Next();
    }
  }

  // Alt and a letter reaches every button, check box, option button and
  // labelled field; no letter serves twice on one panel with the navigation
  // and the layout trees beside it.
  void MnemonicsAreEverywhereAndUnique() {
    WizardFixture f;
    f.Open();
    QStringList keyless;
    auto keys_of = [&keyless](QWidget* root, bool descend) {
      std::map<char, QStringList> keys;
      QList<QWidget*> widgets = descend ? root->findChildren<QWidget*>()
                                        : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (QWidget* w : widgets) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
          text = button->text();
          bool letters = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
          if (letters && button->shortcut().isEmpty()) keyless << w->objectName();
        } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
          text = label->text();
          if (!MnemonicOf(text)) keyless << w->objectName();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
          text = box->title();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
          for (int i = 0; i < tabs->count(); ++i) text += tabs->tabText(i) + " ";
          for (int i = 0; i < tabs->count(); ++i) {
            if (char c = MnemonicOf(tabs->tabText(i))) keys[c] << w->objectName();
          }
          continue;
        }
        if (char c = MnemonicOf(text)) keys[c] << w->objectName();
      }
      return keys;
    };
    // Fields are reached through their labels; the count of controls
    // stands beside the "Controls" check box, which is its label.
    for (auto* field : f.window->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field)) continue;
      if (qobject_cast<QComboBox*>(field->parentWidget()) || field->objectName() == "SubPrjCount_0") continue;
      bool labelled = false;
      for (auto* label : f.window->findChildren<QLabel*>()) labelled |= label->buddy() == field;
      QVERIFY2(labelled, qPrintable(field->objectName()));
    }
    QWidget* window_row = f.window.get();
    std::map<char, QStringList> window_keys = keys_of(window_row, false);
    for (const char* name : {"PBMainHelp", "Command2_0", "Command2_1", "Command1", "Label7_0", "Label7_1"}) {
      QVERIFY2(std::any_of(window_keys.begin(), window_keys.end(),
                           [&](const auto& k) { return k.second.contains(name); }),
               name);
    }
    for (const auto& panel : Panels()) {
      std::map<char, QStringList> keys = keys_of(Panel(f, panel.index), true);
      for (const auto& [c, owners] : window_keys) keys[c] += owners;
      for (const auto& [c, owners] : keys) {
        QVERIFY2(owners.size() == 1, qPrintable(QString("Alt+%1: ").arg(c) + owners.join(", ")));
      }
    }
    QVERIFY2(keyless.isEmpty(), qPrintable("no key: " + keyless.join(", ")));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::KeyboardTest)
#include "keyboard_test.moc"
