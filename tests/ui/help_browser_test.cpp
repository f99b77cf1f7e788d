#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "ui/help_browser.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

class HelpBrowserTest : public QObject {
  Q_OBJECT

  QString Address(WizardFixture& f) { return f.window->Browser()->findChild<QLabel*>("Label1")->text(); }
  QString Page(WizardFixture& f) { return f.window->Browser()->findChild<QTextBrowser*>("WebBrowser1")->toPlainText(); }

 private slots:
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

QTEST_MAIN(kelvad::testing::HelpBrowserTest)
#include "help_browser_test.moc"
