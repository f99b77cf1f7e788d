#include "wizard_fixture.h"

#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "wizard/panels.h"

namespace kelvad::testing {

std::string ReadRealFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::map<std::string, std::string> FilesUnder(const std::string& dir) {
  std::map<std::string, std::string> files;
  if (!std::filesystem::exists(dir)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    std::string relative = std::filesystem::relative(entry.path(), dir).string();
    files[relative] = entry.is_regular_file() ? ReadRealFile(entry.path().string()) : "<dir>";
  }
  return files;
}

int Headless(const std::string& root, QStringList args) {
  for (const char* dir : {"/c", "/data"}) std::filesystem::create_directories(root + dir);
  QProcess process;
  process.start(KELVAD_BINARY, QStringList{"generate", "--drive", QString::fromStdString("c=" + root + "/c"),
                                           "--data-dir", QString::fromStdString(root + "/data"), "--install-dir",
                                           KELVAD_TEST_DATA_DIR, "--no-launch"} +
                                   args);
  process.waitForFinished(60000);
  return process.exitCode();
}

void CompareTrees(const std::string& wizard, const std::string& headless) {
  auto a = FilesUnder(wizard);
  auto b = FilesUnder(headless);
  QVERIFY(!a.empty());
  for (const auto& [path, bytes] : b) {
    QVERIFY2(a.count(path), qPrintable(QString::fromStdString("only headless: " + path)));
    QVERIFY2(a[path] == bytes, qPrintable(QString::fromStdString("differs: " + path)));
  }
  QCOMPARE(a.size(), b.size());
}


WizardFixture::WizardFixture() : files(fs), drives(fs, {{'c', "/c"}, {'d', "/d"}}) {
  fs.MakeDirectories("/c");
  fs.MakeDirectories("/d");
  fs.MakeDirectories("/data");
  fs.MakeDirectories("/install/support");
  fs.MakeDirectories("/install/icons");
  for (const char* name : {"readme.rtf", "velmark.avi"}) {
    fs.Write(std::string("/install/support/") + name, ReadRealFile(KELVAD_TEST_DATA_DIR "/support/" + std::string(name)));
  }
  for (const char* shipped : {"icons", "Help"}) {
    std::filesystem::path from = std::filesystem::path(KELVAD_TEST_DATA_DIR) / shipped;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(from)) {
      std::string to = "/install/" + std::string(shipped) + "/" + std::filesystem::relative(entry.path(), from).string();
      if (entry.is_directory()) {
        fs.MakeDirectories(to);
      } else {
        fs.MakeDirectories(ParentPath(to));
        fs.Write(to, ReadRealFile(entry.path().string()));
      }
    }
  }
}

WizardFixture::WizardFixture(const std::string& disk_root)
    : root(disk_root), files(disk), drives(disk, {{'c', disk_root + "/c"}, {'d', disk_root + "/d"}}) {
  for (const char* dir : {"/c", "/d", "/data"}) std::filesystem::create_directories(root + dir);
}

void WizardFixture::Marker(char drive, const std::string& file) {
  std::string dir = Host(std::string("/") + drive + "/epoc32/release/wins/deb");
  if (root.empty()) {
    fs.MakeDirectories(dir);
  } else {
    std::filesystem::create_directories(dir);
  }
  files.Write(dir + "/" + file, "");
}

void WizardFixture::HelpTemplate(char drive) {
  std::string dir = Host(std::string("/") + drive + "/Aleppo/Template");
  if (root.empty()) {
    fs.MakeDirectories(dir);
  } else {
    std::filesystem::create_directories(dir);
  }
  files.Write(dir + "/EPOCHELP.DOT", "");
}

WizardWindow& WizardFixture::Open() {
  WizardEnvironment env;
  env.files = &files;
  env.drives = &drives;
  env.install_dir = root.empty() ? "/install" : KELVAD_TEST_DATA_DIR;
  env.data_dir = Host("/data");
  env.search_pacing_ms = 0;
  env.line_pause_ms = 0;
  env.launch = false;
  env.message = [this](QMessageBox::Icon, const QString&, const QString& text) { messages.push_back(text); };
  env.choose_file = [this](bool) { return chosen_file; };
  window = std::make_unique<WizardWindow>(env);
  if (window->Start() && !window->SearchDone()) {
    QSignalSpy finished(window.get(), &WizardWindow::searchFinished);
    finished.wait(5000);
  }
  return *window;
}

void WizardFixture::Next(int n) {
  for (int i = 0; i < n; ++i) QTest::mouseClick(Find<QPushButton>("Command2_1"), Qt::LeftButton);
}

void WizardFixture::Previous(int n) {
  for (int i = 0; i < n; ++i) QTest::mouseClick(Find<QPushButton>("Command2_0"), Qt::LeftButton);
}

int WizardFixture::PanelShown() const {
  QWidget* current = window->findChild<QStackedWidget*>("PanelStack")->currentWidget();
  return current->objectName().mid(QString("MainFrame_").size()).toInt();
}

void WizardFixture::ToFinish() {
  while (PanelShown() != kPanelFinish && Find<QPushButton>("Command2_1")->isEnabled()) Next();
}

void WizardFixture::Go() {
  size_t shown = messages.size();
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!window->Building() && messages.size() > shown, 20000);
}

}  // namespace kelvad::testing
