#include "wizard_fixture.h"

#include <QProcess>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace kelvad::testing {

namespace stdfs = std::filesystem;

std::string ReadRealFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

namespace {

// The same files with the same bytes under both directories.
void CompareTrees(const std::string& wizard, const std::string& headless) {
  auto under = [](const std::string& dir) {
    std::map<std::string, std::string> files;
    if (!stdfs::exists(dir)) return files;
    for (const auto& entry : stdfs::recursive_directory_iterator(dir)) {
      files[stdfs::relative(entry.path(), dir).string()] =
          entry.is_regular_file() ? ReadRealFile(entry.path().string()) : "<dir>";
    }
    return files;
  };
  auto a = under(wizard);
  auto b = under(headless);
  QVERIFY(!a.empty());
  for (const auto& [path, bytes] : b) {
    QVERIFY2(a.count(path), qPrintable(QString::fromStdString("only headless: " + path)));
    QVERIFY2(a[path] == bytes, qPrintable(QString::fromStdString("differs: " + path)));
  }
  QCOMPARE(a.size(), b.size());
}

}  // namespace

void WizardFixture::SameAsHeadless(const std::string& project, QStringList args) {
  const std::string headless = stdfs::path(root).parent_path().string() + "/headless";
  for (const char* dir : {"/c", "/data"}) stdfs::create_directories(headless + dir);
  if (stdfs::exists(root + "/c" + kHelpTemplate)) {
    stdfs::create_directories(stdfs::path(headless + "/c" + kHelpTemplate).parent_path());
    std::ofstream(headless + "/c" + kHelpTemplate);
  }
  QProcess process;
  process.start(KELVAD_BINARY, QStringList{"generate", "--drive", QString::fromStdString("c=" + headless + "/c"),
                                           "--data-dir", QString::fromStdString(headless + "/data"), "--install-dir",
                                           KELVAD_TEST_DATA_DIR, "--no-launch"} +
                                   args);
  process.waitForFinished(60000);
  QCOMPARE(process.exitCode(), 0);
  CompareTrees(root + "/c/" + project, headless + "/c/" + project);
  QCOMPARE(ReadRealFile(root + "/data/kelvad.rtf"), ReadRealFile(headless + "/data/kelvad.rtf"));
}

WizardFixture::WizardFixture() : files(fs), drives(fs, {{'c', "/c"}, {'d', "/d"}}) {
  for (const char* dir : {"/c", "/d", "/data", "/install"}) fs.MakeDirectories(dir);
  const stdfs::path shipped(KELVAD_TEST_DATA_DIR);
  for (const auto& entry : stdfs::recursive_directory_iterator(shipped)) {
    std::string to = "/install/" + stdfs::relative(entry.path(), shipped).generic_string();
    if (entry.is_directory()) {
      fs.MakeDirectories(to);
    } else {
      fs.Write(to, ReadRealFile(entry.path().string()));
    }
  }
}

WizardFixture::WizardFixture(const std::string& disk_root)
    : root(disk_root), files(disk), drives(disk, {{'c', disk_root + "/c"}, {'d', disk_root + "/d"}}) {
  for (const char* dir : {"/c", "/d", "/data"}) stdfs::create_directories(root + dir);
}

void WizardFixture::Touch(const std::string& path) {
  if (root.empty()) {
    fs.MakeDirectories(ParentPath(path));
  } else {
    stdfs::create_directories(stdfs::path(root + path).parent_path());
  }
  files.Write(root + path, "");
}

WizardWindow& WizardFixture::Open() {
  WizardEnvironment env;
  env.files = &files;
  env.drives = &drives;
  env.install_dir = root.empty() ? "/install" : KELVAD_TEST_DATA_DIR;
  env.data_dir = root + "/data";
  env.search_pacing_ms = 0;
  env.line_pause_ms = line_pause_ms;
  env.launch = false;
  env.message = [this](QMessageBox::Icon icon, const QString&, const QString& text) {
    messages.push_back(text);
    icons.push_back(icon);
  };
  env.ask = [this](const QString&, const QString& text, QMessageBox::StandardButtons) {
    questions.push_back(text);
    return answer;
  };
  env.choose_file = [this](bool, const QString& proposed) {
    proposed_file = proposed;
    return chosen_file;
  };
  window = std::make_unique<WizardWindow>(env);
  if (window->Start() && !window->SearchDone()) {
    QSignalSpy finished(window.get(), &WizardWindow::searchFinished);
    finished.wait(5000);
  }
  return *window;
}

}  // namespace kelvad::testing
