#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

// "Go!" writes what headless writes, and no work is lost on the way: not to
// a double click that would start the build, a window closed on unsaved
// choices or on a running build, or a display that is gone.
class GoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setDoubleClickInterval(400); }

  void WizardWritesWhatHeadlessWrites_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("box");  // a check box clicked on the Finish panel, or none
    QTest::addColumn<QStringList>("sets");
    QTest::newRow("defaults") << "epoc.exe" << "" << QStringList{"--sdk-release", "5"};
    QTest::newRow("engine off") << "epoc.exe" << "Check1_0" << QStringList{"--sdk-release", "5", "--set", "engine=0"};
    QTest::newRow("help off") << "epoc.exe" << "Check2_0" << QStringList{"--sdk-release", "5", "--set", "help=0"};
    QTest::newRow("release 3") << "wsexe.exe" << "" << QStringList{"--sdk-release", "3", "--set", "vc_version=5"};
  }

  // "Go!" writes the files the preview listed, with the text it showed, and
  // byte for byte what headless writes for the same choices. A press on it
  // as Finish appears, the second click of a double click on "Next (12) >>",
  // is ignored; the preview writes nothing.
  void WizardWritesWhatHeadlessWrites() {
    QFETCH(QString, marker);
    QFETCH(QString, box);
    QFETCH(QStringList, sets);
    QTemporaryDir temp;
    std::string wizard_root = temp.path().toStdString() + "/wizard";
    WizardFixture f(wizard_root);
    f.Marker('c', marker.toStdString());
    f.HelpTemplate('c');
    f.Open();
    f.ToFinish();
    f.Click("Command1");
    QVERIFY(!f.window->Building());
    QCOMPARE(f.PanelShown(), int(kPanelFinish));
    if (!box.isEmpty()) f.Find<QCheckBox>(qPrintable(box))->click();
    f.Click("PreviewFiles");
    QVERIFY(!std::filesystem::exists(wizard_root + "/c/ProjectX"));
    auto* list = f.Find<QTreeWidget>("FileList");
    QStringList planned;
    for (int i = 0; i < list->topLevelItemCount(); ++i) planned << list->topLevelItem(i)->text(0);
    list->setCurrentItem(list->findItems("c:\\ProjectX\\ebld.bat", Qt::MatchExactly)[0]);
    QString shown = f.Find<QPlainTextEdit>("FileText")->toPlainText();
    QFontMetrics preview(f.Find<QPlainTextEdit>("FileText")->font());
    QCOMPARE(preview.horizontalAdvance("iiii"), preview.horizontalAdvance("MMMM"));
    f.Go();
    QVERIFY2(f.messages.back().startsWith("Kelvad has written the project"), qPrintable(f.messages.back()));
    std::string written_bat = ReadRealFile(wizard_root + "/c/ProjectX/ebld.bat");
    written_bat.erase(std::remove(written_bat.begin(), written_bat.end(), '\r'), written_bat.end());
    QCOMPARE(shown.toStdString(), written_bat);
    QStringList written;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(wizard_root + "/c/ProjectX")) {
      std::string path = "c:" + entry.path().generic_string().substr(wizard_root.size() + 2);
      if (entry.is_regular_file()) written << QString::fromStdString(path).replace('/', '\\');
    }
    planned.sort();
    written.sort();
    QCOMPARE(planned, written);

    f.SameAsHeadless("ProjectX", sets);

    auto* tree = f.Find<QTreeWidget>("TreeView1");
    QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->text(0), QString("ProjectX"));
    // The report is shown in the window's own font family; every box says what kind it is.
    for (QTextBlock b = f.Find<QTextEdit>("RichTextBox1_0")->document()->begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) QVERIFY(it.fragment().charFormat().fontFamilies().toStringList().isEmpty());
    }
    for (QMessageBox::Icon icon : f.icons) QVERIFY(icon != QMessageBox::NoIcon);
    // Navigation stays off for good.
    QVERIFY(!f.Find<QPushButton>("Command1")->isEnabled());
    QVERIFY(!f.Find<QPushButton>("Command2_0")->isEnabled());
    // Choices built are not lost: closing asks nothing.
    QVERIFY(f.window->close());
    QVERIFY(f.questions.empty());
  }

  void AnAbandonedBuildKeepsWhatItWrote() {
    WizardFixture f;
    f.Marker('c', "epoc.exe");
    f.fs.FailOn("AppUI.cpp");
    f.Open();
    f.ToFinish();
    f.Go();
    QVERIFY(f.messages.back().startsWith("The build was abandoned: "));
    QVERIFY(f.messages.back().contains("AppUI.cpp"));
    QCOMPARE(f.fs.Stat("/c/ProjectX/GUI/Doc.cpp"), EntryKind::kFile);
    QCOMPARE(f.fs.Stat("/c/ProjectX/ebld.bat"), EntryKind::kNone);
    QCOMPARE(f.fs.Stat("/data/kelvad.rtf"), EntryKind::kNone);
  }

  // A description saved by one wizard is opened by a fresh one, which builds
  // what headless builds from it; one that cannot be read changes nothing.
  void DescriptionRoundTripAndRefusal() {
    QTemporaryDir temp;
    std::string wizard_root = temp.path().toStdString() + "/wizard";
    std::string description = temp.path().toStdString() + "/notes.json";
    {
      WizardFixture f(wizard_root);
      f.Marker('c', "epoc.exe");
      f.Open();
      f.Next();
      f.Find<QLineEdit>("Text1_0")->setText("Notes");
      f.Find<QCheckBox>("GUIDocCheck_4")->click();
      f.Find<QCheckBox>("Check1_0")->click();
      f.ToFinish();
      f.chosen_file = QString::fromStdString(description);
      f.Click("SaveDescription");
    }
    WizardFixture f(wizard_root);
    f.Marker('c', "epoc.exe");
    std::ofstream(wizard_root + "/bad.json") << R"({"settings": {"name": "X",}})";
    std::ofstream(wizard_root + "/wrong.json") << R"({"menus": [{"title": "File", "items": [{"command": "Nope"}]}]})";
    f.Open();
    f.ToFinish();
    for (const char* file : {"/bad.json", "/wrong.json"}) {
      f.chosen_file = QString::fromStdString(wizard_root + file);
      f.Click("OpenDescription");
      QVERIFY(f.messages.back().startsWith(f.chosen_file + ": "));
    }
    QVERIFY(f.messages[f.messages.size() - 2].contains("line 1"));
    QVERIFY(f.messages.back().contains("menus[0].items[0]"));
    QCOMPARE(f.Find<QLineEdit>("Text1_0")->text(), QString("ProjectX"));
    QCOMPARE(f.window->Commands().menus.size(), size_t{4});

    f.chosen_file = QString::fromStdString(description);
    f.Click("OpenDescription");  // its name, messaging on and engine off show in what Go writes
    f.Go();
    f.SameAsHeadless("Notes", {"--sdk-release", "5", "--project", QString::fromStdString(description)});
  }

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

QTEST_MAIN(kelvad::testing::GoTest)
#include "go_test.moc"
