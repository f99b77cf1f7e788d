// The Windows wizard as it runs for a user, on the windows platform plug-in:
// the system's drives, the SDK search over them, "Go!" starting ebld.bat
// with the command interpreter, help pages on real drive letters, and web
// addresses handed to the system's browser. Run by wizard.sh under Wine on an
// X display; the drive that holds the SDK and the directories come from the
// environment it sets.

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "driver/session.h"
#include "platform/process.h"
#include "ui/help_browser.h"
#include "ui/wizard_window.h"
#include "wizard/panels.h"

namespace kelvad::testing {

class WebLinkCatcher : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& url) { opened.append(url.toString()); }

 public:
  QStringList opened;
};

class WizardGoTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Session> session_;
  SystemProcessStarter starter_;
  std::vector<QString> messages_;
  std::unique_ptr<WizardWindow> window_;
  QString sdk_drive_;  // the drive letter wizard.sh put the SDK on

  template <class T>
  T* Find(const char* name) {
    return window_->findChild<T*>(QString::fromLatin1(name));
  }
  int PanelShown() {
    return Find<QStackedWidget>("PanelStack")->currentWidget()->objectName().mid(QString("PanelScroll_").size()).toInt();
  }

 private slots:
  void initTestCase() {
    sdk_drive_ = qEnvironmentVariable("KELVAD_SDK_DRIVE");
    QVERIFY2(sdk_drive_.size() == 1, "wizard.sh names the drive in KELVAD_SDK_DRIVE");
    SessionOptions options;
    options.data_dir = qEnvironmentVariable("KELVAD_E2E_DATA_DIR").toStdString();
    options.install_dir = qEnvironmentVariable("KELVAD_E2E_INSTALL_DIR").toStdString();
    session_ = OpenSession(options, options.install_dir);
    QCOMPARE(QString::fromStdString(session_->drive_choice.origin), QString("the system's drives"));

    // The program's own environment, but for the dialogs and the pacing.
    WizardEnvironment env = SessionEnvironment(*session_, starter_);
    env.line_pause_ms = 0;
    // A message box would wait for a click nobody makes.
    env.message = [this](QMessageBox::Icon, const QString&, const QString& text) { messages_.push_back(text); };
    env.ask = [](const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; };
    window_ = std::make_unique<WizardWindow>(env);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  // The search runs over the drives Windows reports, paced as for a user.
  void TheSearchFindsTheSdkOnItsDrive() {
    QSignalSpy finished(window_.get(), &WizardWindow::searchFinished);
    QVERIFY(window_->Start());
    QVERIFY(finished.wait(30000));
    QCOMPARE(window_->SdkRelease(), 5);
    QCOMPARE(Find<QLabel>("Label1_19")->text(), "Found EPOC ER5 SDK on " + sdk_drive_.toUpper() + ":\\");
  }

  // "FILE:///" addresses name the real drive letter.
  void HelpPagesOpenFromTheRealDrive() {
    Find<QAbstractButton>("Command2_1")->click();
    Find<QAbstractButton>("Command2_1")->click();
    QCOMPARE(PanelShown(), int(kPanelEngine));
    Find<QAbstractButton>("PBHelp_9")->click();
    HelpBrowser* browser = window_->Browser();
    QVERIFY(browser);
    QCOMPARE(browser->findChild<QLabel*>("Label1")->text(),
             "FILE:///" + sdk_drive_.toLower() + ":\\sysdoc\\cpp/group\\engutil.html");
    QVERIFY2(browser->findChild<QTextBrowser*>("WebBrowser1")->toPlainText().contains("Engine utilities"),
             qPrintable(browser->findChild<QTextBrowser*>("WebBrowser1")->toPlainText()));
    browser->close();
  }

  // The Welcome panel's link opens the program's own pages from the drive it
  // is installed on; an address on the web, followed from a page, goes to
  // the system's browser (a handler stands in for it: none may open here).
  void LinksOpenOwnPagesAndTheSystemsBrowser() {
    emit Find<QLabel>("WebLink_0")->linkActivated("contents.html");
    HelpBrowser* browser = window_->Browser();
    QVERIFY(browser);
    QString address = browser->findChild<QLabel*>("Label1")->text();
    QVERIFY2(address.startsWith("FILE:///") && address.at(9) == ':' && address.endsWith("contents.html"),
             qPrintable(address));
    auto* view = browser->findChild<QTextBrowser*>("WebBrowser1");
    QVERIFY2(!view->toPlainText().contains("Page not found"), qPrintable(view->toPlainText()));
    WebLinkCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    emit view->anchorClicked(QUrl("https://www.kelvad.example/"));
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened, QStringList{"https://www.kelvad.example/"});
    browser->close();
  }

  // "Go!" writes the project and starts ebld.bat; wizard.sh compares the
  // tree with the Linux build's.
  void GoWritesTheProjectAndStartsTheBuildScript() {
    while (PanelShown() != kPanelFinish && Find<QAbstractButton>("Command2_1")->isEnabled()) {
      QTest::mouseClick(Find<QAbstractButton>("Command2_1"), Qt::LeftButton);
    }
    QCOMPARE(PanelShown(), int(kPanelFinish));
    // "Go!" ignores a press that could be the second half of a double click on "Next".
    QTest::qWait(QApplication::doubleClickInterval());
    QTest::mouseClick(Find<QAbstractButton>("Command1"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Building() && !messages_.empty(), 60000);
    QVERIFY2(messages_.back().startsWith("Kelvad has launched ebld.bat"), qPrintable(messages_.back()));
  }

  void cleanupTestCase() { window_.reset(); }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::WizardGoTest)
#include "wizard_go_test.moc"
