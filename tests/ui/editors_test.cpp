#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

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
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::EditorsTest)
#include "editors_test.moc"
