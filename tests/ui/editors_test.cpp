#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <fstream>

#include "resources/menu_tree.h"
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

QStringList Keys(const std::vector<MenuNode>& nodes) {
  QStringList keys;
  for (const MenuNode& node : nodes) keys << QString::fromStdString(node.key);
  return keys;
}

}  // namespace

class EditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void CommandsPanelAddsDeletesAndSaves() {
    WizardFixture f;
    f.Open();
    f.Next(4);
    QCOMPARE(f.PanelShown(), int(kPanelCommands));
    auto* name = f.Find<QLineEdit>("Text2_0");
    auto* add = f.Find<QPushButton>("Command3_1");
    for (const char* refused : {"EEikCmdMine", "EVelThing", "EEikCmdExit", ""}) {
      name->setText(refused);
      QVERIFY2(!add->isEnabled(), refused);
    }
    name->setText("CmdDemo");
    QVERIFY(add->isEnabled());
    f.Find<QLineEdit>("Text2_1")->setText("Demo");
    f.Find<QComboBox>("MenuCombo_1")->setCurrentText("d");
    f.Find<QRadioButton>("MenuOpt_3")->click();
    QTest::mouseClick(add, Qt::LeftButton);
    auto* view = f.Find<QTreeWidget>("ListView1_1");
    QTreeWidgetItem* row = view->topLevelItem(view->topLevelItemCount() - 1);
    QCOMPARE(row->text(0), QString("CmdDemo"));
    QCOMPARE(row->text(1), QString("Demo"));
    QCOMPARE(row->text(2), QString("^d"));
    for (const char* picker : {"Combo2_0", "Combo2_1", "Combo2_2"}) {
      QVERIFY(f.Find<QComboBox>(picker)->findText("CmdDemo") >= 0);
    }
    QVERIFY(name->text().isEmpty());
    QVERIFY(f.Find<QLineEdit>("Text2_1")->text().isEmpty());
    QVERIFY(!add->isEnabled());
    name->setText("CmdDemo");
    QVERIFY(!add->isEnabled());

    auto* del = f.Find<QPushButton>("Command3_0");
    emit view->itemClicked(view->topLevelItem(1), 0);  // EEikCmdExit
    QVERIFY(!del->isEnabled());
    f.Find<QLineEdit>("Text2_0")->setText("CmdOther");
    QTest::mouseClick(add, Qt::LeftButton);
    emit view->itemClicked(view->findItems("CmdOther", Qt::MatchExactly)[0], 0);
    QVERIFY(del->isEnabled());
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(view->findItems("CmdOther", Qt::MatchExactly).isEmpty());

    QTest::mouseClick(f.Find<QPushButton>("Command3_3"), Qt::LeftButton);
    QCOMPARE(f.fs.Read("/data/cmdlist.dat"), std::string("CmdDemo\r\nDemo\r\n^d\r\n"));

    // A new start shows the saved command, and the deleted one is gone for good.
    WizardFixture again;
    again.fs.Write("/data/cmdlist.dat", f.fs.Read("/data/cmdlist.dat"));
    again.Open();
    again.Next(4);
    QCOMPARE(again.Find<QTreeWidget>("ListView1_1")->findItems("CmdDemo", Qt::MatchExactly).size(), 1);
    QVERIFY(again.Find<QTreeWidget>("ListView1_1")->findItems("CmdOther", Qt::MatchExactly).isEmpty());
  }

  void CommandsPanelReportsAFailedSave() {
    WizardFixture f;
    f.fs.FailOn("cmdlist");
    f.Open();
    f.Next(4);
    QTest::mouseClick(f.Find<QPushButton>("Command3_3"), Qt::LeftButton);
    QCOMPARE(f.messages.back(),
             QString("Unexpected error writing command list, commands may not have been written correctly."));
  }

  void MenusPanelAddsBeforeAfterAndAsChild() {
    WizardFixture f;
    WizardWindow& w = f.Open();
    f.Next(5);
    QCOMPARE(f.PanelShown(), int(kPanelMenus));
    auto* tree = f.Find<QTreeWidget>("TreeMenu");
    QCOMPARE(tree->topLevelItemCount(), 4);
    QCOMPARE(Node(tree, "M:More")->parent(), Node(tree, "M:File"));

    // A root menu after View, then the same title again changes nothing.
    f.Find<QLineEdit>("MenuText_0")->setText("Help");
    ClickNode(tree, "M:View");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_1"), Qt::LeftButton);
    QCOMPARE(Keys(w.Commands().menus), (QStringList{"M:File", "M:Edit", "M:View", "M:Help", "M:Tools"}));
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_0"), Qt::LeftButton);
    QCOMPARE(w.Commands().menus.size(), size_t{5});

    // Next to an item, a menu becomes a cascade inside that item's menu.
    f.Find<QLineEdit>("MenuText_0")->setText("Recent");
    ClickNode(tree, "I:EEikCmdFileNew");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_1"), Qt::LeftButton);
    QCOMPARE(Keys(FindMenuNode(w.Commands().menus, "M:File")->children),
             (QStringList{"I:EEikCmdFileNew", "M:Recent", "M:More", "I:EEikCmdExit"}));

    // A command already on a menu: its node is highlighted, the item buttons disabled.
    auto* picker = f.Find<QComboBox>("Combo2_0");
    picker->setCurrentText("EEikCmdFileNew");
    QCOMPARE(tree->currentItem(), Node(tree, "I:EEikCmdFileNew"));
    QCOMPARE(f.Find<QLabel>("MenuLabel_4")->text(), QString("Create new file..."));
    for (const char* button : {"MenuCommand_3", "MenuCommand_4", "MenuCommand_5"}) {
      QVERIFY2(!f.Find<QPushButton>(button)->isEnabled(), button);
    }

    // A free command and a menu selected: "Add Child", with a composed hotkey.
    ClickNode(tree, "M:Recent");
    picker->setCurrentText("EEikCmdFileSave");
    QVERIFY(f.Find<QPushButton>("MenuCommand_5")->isEnabled());
    QVERIFY(!f.Find<QPushButton>("MenuCommand_3")->isEnabled());
    f.Find<QComboBox>("MenuCombo_0")->setCurrentText("q");
    f.Find<QRadioButton>("MenuOpt_1")->click();
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_5"), Qt::LeftButton);
    const MenuNode* saved = FindMenuNode(w.Commands().menus, "I:EEikCmdFileSave");
    QVERIFY(saved);
    QCOMPARE(saved->tag, std::string("^Q"));
    QCOMPARE(Node(tree, "I:EEikCmdFileSave")->parent(), Node(tree, "M:Recent"));
    QVERIFY(!f.Find<QPushButton>("MenuCommand_5")->isEnabled());

    // Plain and no option.
    ClickNode(tree, "I:EEikCmdFileSave");
    picker->setCurrentText("EEikCmdPrintPrint");
    f.Find<QComboBox>("MenuCombo_0")->setCurrentText("q");
    f.Find<QRadioButton>("MenuOpt_2")->click();
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_3"), Qt::LeftButton);
    QCOMPARE(FindMenuNode(w.Commands().menus, "I:EEikCmdPrintPrint")->tag, std::string("q"));

    // Deleting File takes its cascades and their items along.
    ClickNode(tree, "M:File");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_2"), Qt::LeftButton);
    QVERIFY(!FindMenuNode(w.Commands().menus, "M:More"));
    QVERIFY(!FindMenuNode(w.Commands().menus, "I:EEikCmdFileImport"));
    QVERIFY(!Node(tree, "M:File"));
    QVERIFY(!f.Find<QPushButton>("MenuCommand_2")->isEnabled());
  }

  void HotkeysPanelBlocksKeysTheMenusTake() {
    WizardFixture f;
    WizardWindow& w = f.Open();
    f.Next(6);
    QCOMPARE(f.PanelShown(), int(kPanelHotkeys));
    auto* view = f.Find<QTreeWidget>("ListView1_2");
    QCOMPARE(view->findItems("EEikCmdFileNew", Qt::MatchExactly).size(), 1);
    // Open's own hotkey puts "+ Ctrl" in the editor; n with Ctrl belongs to New.
    f.Find<QComboBox>("Combo2_2")->setCurrentText("EEikCmdFileOpen");
    QVERIFY(f.Find<QRadioButton>("MenuOpt_6")->isChecked());
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("n");
    QVERIFY(!f.Find<QRadioButton>("MenuOpt_6")->isEnabled());
    QVERIFY(f.Find<QRadioButton>("MenuOpt_7")->isEnabled());
    QVERIFY(f.Find<QRadioButton>("MenuOpt_8")->isEnabled());
    QVERIFY(!f.Find<QPushButton>("Command3_2")->isEnabled());
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("1");
    QVERIFY(!f.Find<QRadioButton>("MenuOpt_7")->isEnabled());
    QVERIFY(!f.Find<QPushButton>("Command3_2")->isEnabled());

    f.Find<QComboBox>("Combo2_2")->setCurrentText("EEikCmdFileMerge");
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("k");
    f.Find<QRadioButton>("MenuOpt_7")->click();
    QTest::mouseClick(f.Find<QPushButton>("Command3_2"), Qt::LeftButton);
    QCOMPARE(view->findItems("EEikCmdFileMerge", Qt::MatchExactly)[0]->text(1), QString("^K"));
    QCOMPARE(w.Commands().extra_hotkeys.back().hotkey, std::string("^K"));
    QVERIFY(!f.Find<QPushButton>("Command3_2")->isEnabled());
  }

  void ToolbarPanelKeepsOneRowPerCommandInTheOrderShown() {
    WizardFixture f;
    WizardWindow& w = f.Open();
    f.Next(7);
    QCOMPARE(f.PanelShown(), int(kPanelToolbar));
    auto* picker = f.Find<QComboBox>("Combo2_1");
    auto* add = f.Find<QPushButton>("MenuCommand_6");
    for (const char* command : {"EEikCmdFileNew", "EEikCmdFileNew", "EEikCmdFileOpen", "EEikCmdExit"}) {
      picker->setCurrentText(command);
      QTest::mouseClick(add, Qt::LeftButton);
    }
    QCOMPARE(w.Commands().toolbar.size(), size_t{3});
    QCOMPARE(w.Commands().toolbar[0].text, std::string("Create new file..."));
    auto* view = f.Find<QTreeWidget>("ListView1_0");
    view->setCurrentItem(view->topLevelItem(2));
    QTest::mouseClick(f.Find<QToolButton>("MenuCommand_7"), Qt::LeftButton);
    QCOMPARE(w.Commands().toolbar[1].command, std::string("EEikCmdExit"));
    QCOMPARE(view->topLevelItem(1)->text(0), QString("EEikCmdExit"));
    QCOMPARE(view->currentItem()->text(0), QString("EEikCmdExit"));
  }

  // What the editors build reaches the generated files as the same entries
  // of a project description do headless.
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
    QTest::mouseClick(f.Find<QPushButton>("Command3_1"), Qt::LeftButton);
    f.Next();  // Menus: a menu Demo after View holding CmdDemo with its own hotkey
    auto* tree = f.Find<QTreeWidget>("TreeMenu");
    f.Find<QLineEdit>("MenuText_0")->setText("Demo");
    ClickNode(tree, "M:View");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_1"), Qt::LeftButton);
    ClickNode(tree, "M:Demo");
    f.Find<QComboBox>("Combo2_0")->setCurrentText("CmdDemo");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_5"), Qt::LeftButton);
    f.Next();  // HotKeys: Shift+Ctrl+S for Save
    f.Find<QComboBox>("Combo2_2")->setCurrentText("EEikCmdFileSave");
    f.Find<QComboBox>("MenuCombo_2")->setCurrentText("s");
    f.Find<QRadioButton>("MenuOpt_7")->click();
    QTest::mouseClick(f.Find<QPushButton>("Command3_2"), Qt::LeftButton);
    f.Next();  // Toolbar
    f.Find<QComboBox>("Combo2_1")->setCurrentText("EEikCmdFileNew");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_6"), Qt::LeftButton);
    f.Find<QComboBox>("Combo2_1")->setCurrentText("CmdDemo");
    f.Find<QLineEdit>("MenuText_1")->setText("Dm");
    QTest::mouseClick(f.Find<QPushButton>("MenuCommand_6"), Qt::LeftButton);
    f.ToFinish();
    f.Go();

    std::string description = root + "/demo.json";
    std::ofstream(description) << R"({
      "commands": [{"name": "CmdDemo", "text": "Demo", "hotkey": "^d"}],
      "menus": [
        {"title": "File", "items": [
          {"command": "EEikCmdFileNew"},
          {"title": "More", "items": [{"command": "EEikCmdFileImport"}, {"command": "EEikCmdFileExport"},
                                      {"command": "EEikCmdFileRevert"}, {"command": "EEikCmdFileMerge"}]},
          {"command": "EEikCmdExit"}]},
        {"title": "Edit", "items": [{"command": "EEikCmdEditCut"}, {"command": "EEikCmdEditCopy"},
                                    {"command": "EEikCmdEditPaste"}, {"command": "EEikCmdEditSelectAll"}]},
        {"title": "View", "items": [{"command": "EEikCmdZoomIn"}, {"command": "EEikCmdZoomOut"},
                                    {"command": "EVelCmdViewToolbar"}]},
        {"title": "Demo", "items": [{"command": "CmdDemo"}]},
        {"title": "Tools", "items": [
          {"title": "Infrared", "items": [{"command": "EEikCmdIrdaSend"}, {"command": "EEikCmdIrdaReceive"}]},
          {"command": "EEikCmdHelpContents"}, {"command": "EEikCmdHelpSearch"}, {"command": "EEikCmdHelpAbout"}]}],
      "toolbar": [{"command": "EEikCmdFileNew"}, {"command": "CmdDemo", "text": "Dm"}],
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
