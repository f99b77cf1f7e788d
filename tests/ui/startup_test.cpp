#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/settings.h"
#include "ui/qt_bridge.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void Er5SdkWinsAndPicksItsDrive() {
    WizardFixture f;
    f.Marker('c', "wsexe.exe");
    f.Marker('d', "EPOC.EXE");
    WizardWindow& w = f.Open();
    QCOMPARE(w.SdkRelease(), 5);
    QCOMPARE(f.Find<QLabel>("Label1_19")->text(), QString("Found EPOC ER5 SDK on D:\\"));
    QCOMPARE(f.Find<QComboBox>("Drive1")->currentText().left(2), QString("d:"));
    QVERIFY(!f.Find<QComboBox>("Drive1")->isEnabled());
    QVERIFY(f.Find<QPushButton>("Command2_1")->isEnabled());
    QVERIFY(f.Find<QLabel>("Label1_7")->isHidden());
    QVERIFY(f.Find<QProgressBar>("ProgressBar2")->isHidden());
    QVERIFY(w.Preview().device.Contains("F2"));
    QCOMPARE(f.Find<QLabel>("Label5_8")->text(), QString("Welcome to Kelvad V0.9.2 !"));
    QCOMPARE(w.windowTitle(), QString("Kelvad V0.9.2 - EPOC32 EIKON Application Builder"));
    QVERIFY(!f.Find<QLabel>("AIFImage_3")->pixmap().isNull());
  }

  void EarlierSdkWhenThereIsNoEr5() {
    WizardFixture f;
    f.Marker('d', "wsexe.exe");
    f.Open();
    QCOMPARE(f.window->SdkRelease(), 3);
    QCOMPARE(f.Find<QLabel>("Label1_19")->text(), QString("Found pre-ER5 EPOC SDK on D:\\"));
  }

  void NoSdkLeavesTheDriveToTheUser() {
    WizardFixture f;
    WizardWindow& w = f.Open();
    QCOMPARE(w.SdkRelease(), 0);
    QVERIFY(f.Find<QComboBox>("Drive1")->isEnabled());
    QCOMPARE(f.Find<QComboBox>("Drive1")->currentText().left(2), QString("c:"));
    QVERIFY(f.Find<QLabel>("Label1_19")->text().startsWith("Unable to detect the EPOC C++ SDK."));
    QCOMPARE(w.Preview().pc.size(), size_t{0});
  }

  void MissingShippedFileIsAnInternalError() {
    WizardFixture f;
    f.fs.Remove("/install/icons/icon32i.bmp");
    WizardEnvironment env;
    f.Open();
    QCOMPARE(f.messages.size(), size_t{1});
    QVERIFY(f.messages[0].startsWith("Kelvad encountered an internal error : 53\n\rFile not found: "));
    QVERIFY(f.messages[0].endsWith("icon32i.bmp\n\rClick 'OK' to exit"));
  }

  void SavedCommandsJoinThePickers() {
    WizardFixture f;
    f.fs.Write("/data/cmdlist.dat", "ECmdMine\r\nMine\r\n^q\r\n");
    f.Open();
    auto* picker = f.Find<QComboBox>("Combo2_1");
    QCOMPARE(picker->count(), 42);
    QCOMPARE(picker->itemText(41), QString("ECmdMine"));
    QCOMPARE(picker->currentText(), QString("EEikCmdCanceled"));
  }

  void StartupSettingsAreTheRecordsDefaults() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.Open();
    Settings read = ReadSettings(f.window.get());
    Settings defaults;
    for (const auto& info : SettingTable()) {
      if (info.key == std::string("drive")) continue;
      QCOMPARE(SettingText(read, info), SettingText(defaults, info));
    }
    QCOMPARE(read.ProjectDrive(), std::string("c:"));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::StartupTest)
#include "startup_test.moc"
