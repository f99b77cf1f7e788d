#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

// Against losing work: a window closed on unsaved choices or on a running
// build, a display that is gone. (A double click that would start the build
// is tried on the way to every "Go!" of the go test.)
class GuardsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setDoubleClickInterval(400); }

  void ClosingAsksOnlyWhenChoicesWouldBeLost() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.Open();
    QVERIFY(f.window->close());  // nothing changed
    QVERIFY(f.questions.empty());
    f.window->show();
    f.Next();
    f.Find<QLineEdit>("Text1_0")->setText("Notes");
    f.answer = QMessageBox::Cancel;
    QVERIFY(!f.window->close());
    QCOMPARE(f.questions.size(), size_t{1});
    // Saving from the question: the name proposed, ".json" added to a name typed without one.
    f.answer = QMessageBox::Save;
    f.chosen_file = "/data/mine";
    QVERIFY(f.window->close());
    QCOMPARE(f.proposed_file, QString("Notes.json"));
    QVERIFY(f.fs.Read("/data/mine.json").find("\"Notes\"") != std::string::npos);
    // Saved, then built: nothing more to lose.
    f.window->show();
    f.Find<QLineEdit>("Text1_4")->setText("Other");
    f.ToFinish();
    f.Go();
    QVERIFY(f.window->close());
    QCOMPARE(f.questions.size(), size_t{2});
  }

  // Stopped between two files: no file half written, the report says where
  // it stopped and is saved, and the window closes without more ado.
  void ClosingDuringTheBuildStopsItBetweenFiles() {
    WizardFixture f;
    f.line_pause_ms = 5;
    f.Marker('c', "epoc.exe");
    f.Open();
    f.ToFinish();
    QTest::qWait(QApplication::doubleClickInterval());
    f.Click("Command1");
    QTRY_VERIFY(f.fs.Stat("/c/ProjectX/AIF") == EntryKind::kDirectory);
    f.answer = QMessageBox::No;
    QVERIFY(!f.window->close());
    QVERIFY(f.window->Building());
    f.answer = QMessageBox::Yes;
    f.window->close();
    QTRY_VERIFY_WITH_TIMEOUT(!f.window->isVisible(), 20000);
    QVERIFY(!f.window->Building());
    QVERIFY(f.messages.empty());
    std::string report = f.fs.Read("/data/kelvad.rtf");
    size_t at = report.find("Stopped by the user before ");
    QVERIFY(at != std::string::npos);
    std::string next = report.substr(at + 27, report.find('}', at) - at - 27);
    QVERIFY2(next.rfind("c:\\\\ProjectX\\\\", 0) == 0, next.c_str());  // RTF doubles the backslashes
    QCOMPARE(f.fs.Stat("/c/ProjectX/ebld.bat"), EntryKind::kNone);
    for (const std::string& file : f.fs.Files()) {
      if (file.rfind("/c/ProjectX/", 0) == 0) QVERIFY2(!f.fs.Read(file).empty(), file.c_str());
    }
  }

  // Qt would abort with a core dump; the wizard says what "no display" says.
  void ADisplayThatCannotBeReachedIsLikeNone() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no display to name; a desktop nobody sees is tested with kelvad_tests");
#endif
    int free = 59;
    while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(free))) ++free;
    QProcess wizard;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(variable);
    env.insert("DISPLAY", QString(":%1").arg(free));
    wizard.setProcessEnvironment(env);
    wizard.start(KELVAD_BINARY, {});
    QVERIFY(wizard.waitForFinished(30000));
    QString error = QString::fromUtf8(wizard.readAllStandardError());
    QCOMPARE(wizard.exitStatus(), QProcess::NormalExit);
    QCOMPARE(wizard.exitCode(), 2);  // as without a display, which kelvad_tests tries
    QVERIFY2(error.contains("no display") && error.contains("kelvad generate") && error.count('\n') == 1,
             qPrintable(error));
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::GuardsTest)
#include "guards_test.moc"
