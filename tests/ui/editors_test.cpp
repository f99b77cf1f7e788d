#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

namespace {

QTreeWidgetItem* Node(QTreeWidget* tree, const QString& key) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
  }
  return nullptr;
}

void ClickNode(QTreeWidget* tree, const QString& key) {
  QTreeWidgetItem* item = Node(tree, key);
  QVERIFY2(item, qPrintable(key));
  emit tree->itemClicked(item, 0);
}

}  // namespace

// The rules behind these panels are tested without Qt; here each reaction
// is shown to be wired to its widgets.
class EditorsTest : public QObject {
  Q_OBJECT

 private slots:
  // Saved commands come back at start-up after the standard ones and are
  // saved again with the new ones.
  void CommandsPanelAddsDeletesAndSaves() {
    WizardFixture f;
    f.fs.Write("/data/cmdlist.dat", "ECmdMine\r\nMine\r\n^q\r\n");
    f.Open();
    auto* toolbar_picker = f.Find<QComboBox>("Combo2_1");
    QCOMPARE(toolbar_picker->count(), 42);
    QCOMPARE(toolbar_picker->itemText(41), QString("ECmdMine"));
    QCOMPARE(toolbar_picker->currentText(), QString("EEikCmdCanceled"));
    f.Next(4);
    QCOMPARE(f.PanelShown(), int(kPanelCommands));
    auto* name = f.Find<QLineEdit>("Text2_0");
    auto* add = f.Find<QPushButton>("Command3_1");
    name->setText("EEikCmdExit");
    QVERIFY(!add->isEnabled());
    name->setText("CmdDemo");
    QVERIFY(add->isEnabled());
    f.Find<QLineEdit>("Text2_1")->setText("Demo");
    f.Find<QComboBox>("MenuCombo_1")->setCurrentText("d");
    f.Find<QRadioButton>("MenuOpt_3")->click();
    f.Click("Command3_1");
    auto* view = f.Find<QTreeWidget>("ListView1_1");
    QTreeWidgetItem* row = view->topLevelItem(view->topLevelItemCount() - 1);
    QCOMPARE((QStringList{row->text(0), row->text(1), row->text(2)}), (QStringList{"CmdDemo", "Demo", "^d"}));
    QVERIFY(f.Find<QComboBox>("Combo2_2")->findText("CmdDemo") >= 0);
    QVERIFY(name->text().isEmpty() && f.Find<QLineEdit>("Text2_1")->text().isEmpty());
    name->setText("CmdDemo");
    QVERIFY(!add->isEnabled());

    auto* del = f.Find<QPushButton>("Command3_0");
    emit view->itemClicked(view->topLevelItem(1), 0);  // EEikCmdExit
    QVERIFY(!del->isEnabled());
    name->setText("CmdOther");
    f.Click("Command3_1");
    emit view->itemClicked(view->findItems("CmdOther", Qt::MatchExactly)[0], 0);
    QVERIFY(del->isEnabled());
    f.Click("Command3_0");
    QVERIFY(view->findItems("CmdOther", Qt::MatchExactly).isEmpty());

    f.Click("Command3_3");
    QCOMPARE(f.fs.Read("/data/cmdlist.dat"), std::string("ECmdMine\r\nMine\r\n^q\r\nCmdDemo\r\nDemo\r\n^d\r\n"));
    f.fs.FailOn("cmdlist");
    f.Click("Command3_3");
    QCOMPARE(f.messages.back(),
             QString("Unexpected error writing command list, commands may not have been written correctly."));
  }

  // What the editors build, deletions and moves included, reaches the
  // generated files as the same entries of a project description do headless.
  void EditsOnAllFourPanelsGenerateAsTheirDescription() {
    QTemporaryDir temp;
    std::string root = temp.path().toStdString();
    WizardFixture f(root + "/wizard");
    f.Marker('c', "epoc.exe");
    f.Open();
    f.Next(4);  // Commands
    f.Find<QLineEdit>("Text2_0")->setText("CmdDemo");
    f.Find<QLineEdit>("Text2_1")->setText("Demo");
    f.Find<QComboBox>("MenuCombo_1")->setCurrentText("d");
    f.Find<QRadioButton>("MenuOpt_3")->click();
    f.Click("Command3_1");

    f.Next();  // Menus
    auto* tree = f.Find<QTreeWidget>("TreeMenu");
    // A command already on a menu: its node is highlighted, the item buttons disabled.
    f.Find<QComboBox>("Combo2_0")->setCurrentText("EEikCmdEditCut");
    QCOMPARE(tree->currentItem(), Node(tree, "I:EEikCmdEditCut"));
    QCOMPARE(f.Find<QLabel>("MenuLabel_4")->text(), QString("Cut"));
    QVERIFY(!f.Find<QPushButton>("MenuCommand_3")->isEnabled());
    // Cut goes, then More with its items.
    for (const char* node : {"I:EEikCmdEditCut", "M:More"}) {
      ClickNode(tree, node);
      f.Click("MenuCommand_2");
      QVERIFY(!Node(tree, node));
      QVERIFY(!f.Find<QPushButton>("MenuCommand_2")->isEnabled());
    }
    QVERIFY(!Node(tree, "I:EEikCmdFileImport"));
    // A menu Demo after View holding CmdDemo with its own hotkey.
    f.Find<QLineEdit>("MenuText_0")->setText("Demo");
    ClickNode(tree, "M:View");
    f.Click("MenuCommand_1");
    ClickNode(tree, "M:Demo");
    f.Find<QComboBox>("Combo2_0")->setCurrentText("CmdDemo");
    f.Click("MenuCommand_5");

    f.Next();  // HotKeys: with Cut gone Ctrl+X is free, Ctrl+C is not; Shift+Ctrl+S for Save
    f.Find<QComboBox>("Combo2_2")->setCurrentText("EEikCmdFileSave");
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("x");
    QVERIFY(f.Find<QRadioButton>("MenuOpt_6")->isEnabled());
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("c");
    QVERIFY(!f.Find<QRadioButton>("MenuOpt_6")->isEnabled());
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("s");
    f.Find<QRadioButton>("MenuOpt_7")->click();
    f.Click("Command3_2");

    f.Next();  // Toolbar: CmdDemo moved before New, still selected
    f.Find<QComboBox>("Combo2_1")->setCurrentText("EEikCmdFileNew");
    f.Click("MenuCommand_6");
    f.Find<QComboBox>("Combo2_1")->setCurrentText("CmdDemo");
    f.Find<QLineEdit>("MenuText_1")->setText("Dm");
    f.Click("MenuCommand_6");
    f.Click("MenuCommand_7");
    QCOMPARE(f.Find<QTreeWidget>("ListView1_0")->currentItem()->text(0), QString("CmdDemo"));
    f.ToFinish();
    f.Go();

    std::string description = root + "/demo.json";
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
    QCOMPARE(Headless(root + "/headless", {"--sdk-release", "5", "--project", QString::fromStdString(description)}), 0);
    for (const char* file : {"/c/ProjectX/GUI/ProjectX.rss", "/c/ProjectX/Include/ProjectX.hrh",
                             "/c/ProjectX/GUI/AppUI.cpp"}) {
      std::string generated = ReadRealFile(root + "/wizard" + file);
      QVERIFY2(!generated.empty(), file);
      QVERIFY2(generated == ReadRealFile(root + "/headless" + file), file);
    }
    QVERIFY(ReadRealFile(root + "/wizard/c/ProjectX/Include/ProjectX.hrh").find("CmdDemo") != std::string::npos);
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::EditorsTest)
#include "editors_test.moc"
