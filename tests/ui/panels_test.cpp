#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include "model/settings.h"
#include "ui/help_browser.h"
#include "ui/qt_bridge.h"
#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

namespace {

// The help browser's address line and page.
QString Address(WizardFixture& f) { return f.window->Browser()->findChild<QLabel*>("Label1")->text(); }
QString Page(WizardFixture& f) { return f.window->Browser()->findChild<QTextBrowser*>("WebBrowser1")->toPlainText(); }

}  // namespace

// The rules behind these reactions are tested without Qt; here each is shown
// to be wired to its widgets.
class PanelsTest : public QObject {
  Q_OBJECT

 private slots:
  void Er5SdkWinsAndPicksItsDriveTheRestIsDefault() {
    WizardFixture f;
    f.Marker('c', "wsexe.exe");
    f.Marker('d', "EPOC.EXE");
    WizardWindow& w = f.Open();
    QCOMPARE(w.SdkRelease(), 5);
    QCOMPARE(f.Find<QLabel>("Label1_19")->text(), QString("Found EPOC ER5 SDK on D:\\"));
    QVERIFY(!f.Find<QComboBox>("Drive1")->isEnabled());
    QVERIFY(f.Find<QProgressBar>("ProgressBar2")->isHidden());
    QVERIFY(w.Preview().device.Contains("F2"));
    QVERIFY(!f.Find<QLabel>("AIFImage_3")->pixmap().isNull());
    // The drive is the SDK's; every other setting starts as the record's default.
    Settings read = ReadSettings(&w);
    QCOMPARE(read.ProjectDrive(), std::string("d:"));
    for (const auto& info : SettingTable()) {
      if (info.key != std::string("drive")) QCOMPARE(SettingText(read, info), SettingText(Settings{}, info));
    }
  }

  // Without an SDK the drive is the user's, and leaving Welcome offers no studio version.
  void NoSdkLeavesTheDriveToTheUser() {
    WizardFixture f;
    WizardWindow& w = f.Open();
    QCOMPARE(w.SdkRelease(), 0);
    QVERIFY(f.Find<QComboBox>("Drive1")->isEnabled());
    QCOMPARE(f.Find<QComboBox>("Drive1")->currentText().left(2), QString("c:"));
    QVERIFY(f.Find<QLabel>("Label1_19")->text().startsWith("Unable to detect the EPOC C++ SDK."));
    QCOMPARE(w.Preview().pc.size(), size_t{0});
    f.Next();
    QVERIFY(f.Find<QRadioButton>("Option1_0")->isHidden());
    QVERIFY(!f.Find<QRadioButton>("Option1_2")->isChecked());
  }

  void MissingShippedFileIsAnInternalError() {
    WizardFixture f;
    f.fs.Remove("/install/icons/icon32i.bmp");
    f.Open();
    QCOMPARE(f.messages.size(), size_t{1});
    QVERIFY(f.messages[0].startsWith("Kelvad encountered an internal error : 53\n\rFile not found: "));
    QVERIFY(f.messages[0].endsWith("icon32i.bmp\n\rClick 'OK' to exit"));
  }

  // A taken name is red and blocks Next from the moment the panel is
  // entered; a refused name empties the preview, the first accepted one
  // builds it anew and each next one renames it and the application.
  void ProjectFieldsReactAsTheyAreTyped() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.fs.MakeDirectories("/c/projectx");
    WizardWindow& w = f.Open();
    f.Next();
    QVERIFY(!f.Find<QPushButton>("Command2_1")->isEnabled());
    auto* name = f.Find<QLineEdit>("Text1_0");
    QCOMPARE(name->palette().color(QPalette::Text), QColor(255, 0, 0));
    f.Find<QLineEdit>("Text1_4")->setText("Custom");
    name->clear();
    QCOMPARE(w.Preview().pc.size(), size_t{0});
    QTest::keyClicks(name, "Notes");
    QVERIFY(f.Find<QPushButton>("Command2_1")->isEnabled());
    QCOMPARE(name->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(w.Preview().pc.Find("PRJ")->text, std::string("Notes"));
    QCOMPARE(f.Find<QLineEdit>("Text1_4")->text(), QString("Notes"));
    // A pasted tab or a character without a Windows-1252 byte is refused, as a
    // description's would be; an accented letter is taken.
    auto* app_name = f.Find<QLineEdit>("Text1_4");
    for (const QString& refused : {QString("a\tb"), QString::fromUtf8("\u03a9")}) app_name->insert(refused);
    app_name->insert(QString::fromUtf8("\u00e9"));
    QCOMPARE(app_name->text(), QString::fromUtf8("Notes\u00e9"));
    auto* tree = f.Find<QTreeWidget>("TreeView2_1");
    QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->child(0)->child(1)->text(0), QString("Notes.AIF"));

    auto* uid = f.Find<QLineEdit>("TextUUID_3");
    uid->clear();
    QCOMPARE(uid->text(), QString("0x00000000"));
    QCOMPARE(uid->palette().color(QPalette::Text), QColor(255, 0, 0));
    uid->setText("0x0100025F");
    QVERIFY(uid->palette().color(QPalette::Text) != QColor(255, 0, 0));
  }

  // Without a help template, entering Extras clears and disables the help
  // options, and the cleared box hides its own. (With one, Go's comparisons
  // with headless show the help built.)
  void CheckBoxesAndAMissingHelpTemplate() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    WizardWindow& w = f.Open();
    f.Find<QCheckBox>("Check1_6")->click();
    QVERIFY(f.Find<QCheckBox>("Check1_8")->isHidden());
    f.Next(10);
    QCOMPARE(f.PanelShown(), int(kPanelExtras));
    QVERIFY(!f.Find<QCheckBox>("Check2_12")->isChecked());
    QVERIFY(!f.Find<QCheckBox>("Check2_0")->isEnabled());
    QVERIFY(f.Find<QCheckBox>("Check2_11")->isHidden());
    QVERIFY(!w.Preview().pc.Contains("HELP"));
    QVERIFY(w.Preview().pc.Contains("S_PKG"));
    f.Find<QCheckBox>("Check2_1")->click();
    QVERIFY(!w.Preview().pc.Contains("S_PKG"));
  }

  // Saved commands come back at start-up after the standard ones and are
  // saved again with the new ones; a name already taken cannot be added, a
  // standard command cannot be deleted. (Adding one by keys, and what it
  // generates, is the keyboard walk's.)
  void CommandsPanelAddsDeletesAndSaves() {
    WizardFixture f;
    f.fs.Write("/data/cmdlist.dat", "ECmdMine\r\nMine\r\n^q\r\n");
    f.Open();
    QCOMPARE(f.Find<QComboBox>("Combo2_1")->count(), 42);
    QCOMPARE(f.Find<QComboBox>("Combo2_1")->itemText(41), QString("ECmdMine"));
    f.Next(4);
    auto* name = f.Find<QLineEdit>("Text2_0");
    auto* add = f.Find<QPushButton>("Command3_1");
    name->setText("EEikCmdExit");
    QVERIFY(!add->isEnabled());
    name->setText("CmdDemo");
    f.Find<QLineEdit>("Text2_1")->setText("Demo");
    f.Find<QComboBox>("MenuCombo_1")->setCurrentText("d");
    f.Find<QRadioButton>("MenuOpt_3")->click();
    f.Click("Command3_1");
    auto* view = f.Find<QTreeWidget>("ListView1_1");
    QTreeWidgetItem* row = view->topLevelItem(view->topLevelItemCount() - 1);
    QCOMPARE((QStringList{row->text(0), row->text(1), row->text(2)}), (QStringList{"CmdDemo", "Demo", "^d"}));
    QVERIFY(f.Find<QComboBox>("Combo2_2")->findText("CmdDemo") >= 0);
    QVERIFY(name->text().isEmpty() && f.Find<QLineEdit>("Text2_1")->text().isEmpty());
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

  // The help buttons, the Welcome link and F1 open their pages.
  void HelpButtonsLinksAndF1OpenTheirPages() {
    WizardFixture f;
    f.Marker('d', "epoc.exe");
    f.fs.MakeDirectories("/d/sysdoc/cpp/group");
    f.fs.Write("/d/sysdoc/cpp/group/engutil.html", "<html><body><h1>Engine utilities</h1></body></html>");
    f.Open();
    QVERIFY(!f.window->Browser());
    f.Find<QToolButton>("PBHelp_9")->click();
    QVERIFY(f.window->Browser()->isVisible());
    QCOMPARE(f.window->Browser()->windowTitle(), QString("Kelvad EPOC C++ SDK Help"));
    QCOMPARE(Address(f), QString("FILE:///d:\\sysdoc\\cpp/group\\engutil.html"));
    QVERIFY(Page(f).contains("Engine utilities"));

    // A page that is not there is shown as not found, naming the address.
    f.Find<QToolButton>("PBHelp_8")->click();
    QCOMPARE(Address(f), QString("FILE:///d:\\sysdoc\\cpp/eikmenu/immenu.html#eikmenu.immenu-001"));
    QVERIFY(Page(f).contains("Page not found") && Page(f).contains("immenu.html"));
    QCOMPARE(f.messages.size(), size_t{0});

    // The program's own page, with its anchor; "Help About Kelvad" leaves the address alone.
    f.Find<QToolButton>("PBHelp_0")->click();
    QCOMPARE(Address(f), QString("FILE:////install\\Help\\cpp/eikfile/iffile.html#eikfile.iffile-005"));
    QVERIFY(!Page(f).contains("Page not found"));
    QTest::mouseClick(f.window->Browser()->findChild<QPushButton*>("Command1_0"), Qt::LeftButton);
    QCOMPARE(Address(f), QString("FILE:////install\\Help\\cpp/eikfile/iffile.html#eikfile.iffile-005"));
    QVERIFY(!Page(f).contains("Page not found"));

    // "Close" ends this window; the next request opens a fresh one, wholly
    // on the screen. F1 opens the page of the "?" beside the control in
    // focus, else the panel's own, as "Help" does.
    QTest::mouseClick(f.window->Browser()->findChild<QPushButton*>("PBDocReturn"), Qt::LeftButton);
    QTRY_VERIFY(!f.window->Browser());
    f.Activate();
    f.Next(8);
    f.Find<QWidget>("GUIDocCheck_7")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(Address(f), QString("FILE:///d:\\sysdoc\\cpp/eikfile/ifopen.html"));
    QVERIFY(f.window->screen()->availableGeometry().contains(f.window->Browser()->frameGeometry()));
    f.Next();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(Address(f), QString("FILE:////install\\Help\\frame8.html"));
    QVERIFY(!Page(f).contains("Page not found"));

    // The Welcome panel's link leads to the pages that come with the program.
    emit f.Find<QLabel>("WebLink_0")->linkActivated("contents.html");
    QCOMPARE(Address(f), QString("FILE:////install\\Help\\contents.html"));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::PanelsTest)
#include "panels_test.moc"
