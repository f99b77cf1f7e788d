#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "wizard/panels.h"
#include "wizard_fixture.h"

namespace kelvad::testing {

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
    f.Click("OpenDescription");
    QCOMPARE(f.Find<QLineEdit>("Text1_0")->text(), QString("Notes"));
    QCOMPARE(f.Find<QLineEdit>("Text1_4")->text(), QString("Notes"));
    QVERIFY(f.Find<QCheckBox>("GUIDocCheck_4")->isChecked());
    QVERIFY(!f.Find<QCheckBox>("Check1_0")->isChecked());
    f.Go();
    f.SameAsHeadless("Notes", {"--sdk-release", "5", "--project", QString::fromStdString(description)});
  }
};

}  // namespace kelvad::testing

QTEST_MAIN(kelvad::testing::GoTest)
#include "go_test.moc"
