#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void WalksTheTwelvePanelsInOrder() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.Open();
    auto* previous = f.Find<QPushButton>("Command2_0");
    auto* next = f.Find<QPushButton>("Command2_1");
    QCOMPARE(previous->text(), QString("<< Previous"));
    QVERIFY(!previous->isEnabled());
    for (int position = 0; position < 12; ++position) {
      QCOMPARE(f.PanelShown(), PanelSequence()[position]);
      QCOMPARE(f.Find<QLabel>("PanelLabel")->text(), QString("Panel %1 of 12").arg(position + 1));
      QVERIFY(!f.Find<QWidget>("MainFrame_2")->isVisible());
      QVERIFY(!f.Find<QWidget>("MainFrame_9")->isVisible());
      if (position == 1) {
        QCOMPARE(previous->text(), QString("<< Previous (1)"));
        QCOMPARE(next->text(), QString("Next (3) >>"));
      }
      if (position < 11) f.Next();
    }
    QVERIFY(next->isHidden());
    QVERIFY(!f.Find<QPushButton>("Command1")->isHidden());
    f.Previous(11);
    QCOMPARE(f.PanelShown(), int(kPanelWelcome));
    QVERIFY(f.Find<QPushButton>("Command1")->isHidden());
  }

  void AnInvalidNameBlocksNextOnEnteringProjectSetup() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.fs.MakeDirectories("/c/projectx");
    f.Open();
    QVERIFY(f.Find<QPushButton>("Command2_1")->isEnabled());
    f.Next();
    QCOMPARE(f.PanelShown(), int(kPanelProjectSetup));
    QVERIFY(!f.Find<QPushButton>("Command2_1")->isEnabled());
    auto* name = f.Find<QLineEdit>("Text1_0");
    QCOMPARE(name->palette().color(QPalette::Text), QColor(255, 0, 0));
    QTest::keyClick(name, Qt::Key_2);
    QVERIFY(f.Find<QPushButton>("Command2_1")->isEnabled());
    QCOMPARE(name->palette().color(QPalette::Text), QColor(0, 0, 0));
  }

  void LeavingWelcomeWithoutAnSdkOffersNoStudioVersion() {
    WizardFixture f;
    f.Open();
    f.Next();
    for (const char* option : {"Option1_0", "Option1_2", "Option1_3"}) {
      QVERIFY2(!f.Find<QRadioButton>(option)->isChecked(), option);
    }
    QVERIFY(f.Find<QRadioButton>("Option1_0")->isHidden());
    QVERIFY(f.Find<QRadioButton>("Option1_3")->isHidden());
    QVERIFY(!f.Find<QLineEdit>("TextUUID_2")->isEnabled());
    QVERIFY(f.Find<QLabel>("Label1_22")->isHidden());
  }

  void ProjectNameRenamesThePreviewAndOverwritesTheApplicationName() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    WizardWindow& w = f.Open();
    f.Next();
    f.Find<QLineEdit>("Text1_4")->setText("Custom");
    auto* name = f.Find<QLineEdit>("Text1_0");
    name->clear();
    QCOMPARE(w.Preview().pc.size(), size_t{0});
    QCOMPARE(w.Preview().device.size(), size_t{0});
    QTest::keyClicks(name, "Notes");
    QCOMPARE(w.Preview().pc.Find("PRJ")->text, std::string("Notes"));
    QCOMPARE(w.Preview().device.Find("F0")->text, std::string("Notes.APP"));
    QCOMPARE(f.Find<QLineEdit>("Text1_4")->text(), QString("Notes"));
    auto* tree = f.Find<QTreeWidget>("TreeView2_1");
    QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->child(0)->child(1)->text(0), QString("Notes.AIF"));
  }

  void AnEmptiedUidBecomesZeroInRed() {
    WizardFixture f;
    f.Open();
    auto* uid = f.Find<QLineEdit>("TextUUID_3");
    uid->clear();
    QCOMPARE(uid->text(), QString("0x00000000"));
    QCOMPARE(uid->palette().color(QPalette::Text), QColor(255, 0, 0));
    uid->setText("0x0100025F");
    QVERIFY(uid->palette().color(QPalette::Text) != QColor(255, 0, 0));
  }

  void CheckBoxesShowHideAndUpdateThePreview() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    WizardWindow& w = f.Open();
    f.Find<QCheckBox>("Check1_0")->click();
    QVERIFY(!f.Find<QCheckBox>("Check4_0")->isEnabled());
    f.Find<QCheckBox>("Check1_6")->click();
    QVERIFY(f.Find<QCheckBox>("Check1_8")->isHidden());
    QVERIFY(!f.Find<QPushButton>("MenuCommand_6")->isEnabled());
    f.Find<QCheckBox>("Check2_1")->click();
    f.Find<QCheckBox>("Check2_1")->click();
    QVERIFY(w.Preview().pc.Contains("S_PKG"));
    // The help template is nowhere: entering Extras clears and disables the help options.
    f.Next(10);
    QCOMPARE(f.PanelShown(), int(kPanelExtras));
    QVERIFY(!f.Find<QCheckBox>("Check2_0")->isChecked());
    QVERIFY(!f.Find<QCheckBox>("Check2_0")->isEnabled());
    QVERIFY(f.Find<QCheckBox>("Check2_11")->isHidden());
    QVERIFY(!w.Preview().pc.Contains("HELP"));
  }

  void HelpTemplateFoundOnTheProjectDriveKeepsTheHelpOptions() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.fs.MakeDirectories("/c/Aleppo/Template");
    f.fs.Write("/c/Aleppo/Template/EPOCHELP.DOT", "");
    WizardWindow& w = f.Open();
    f.Next(10);
    QVERIFY(f.Find<QCheckBox>("Check2_12")->isChecked());
    QCOMPARE(w.HelpTemplate(), std::string("c:\\Aleppo\\Template\\EPOCHELP.DOT"));
    QVERIFY(w.Preview().pc.Contains("H_RTFFILE"));
    QVERIFY(w.Preview().device.Contains("HELPFILE"));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::NavigationTest)
#include "navigation_test.moc"
