#include "wizard_fixture.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <fstream>
#include <sstream>

namespace kelvad::testing {

namespace {

std::string ReadRealFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

WizardFixture::WizardFixture() : drives(fs, {{'c', "/c"}, {'d', "/d"}}) {
  fs.MakeDirectories("/c");
  fs.MakeDirectories("/d");
  fs.MakeDirectories("/data");
  fs.MakeDirectories("/install/support");
  fs.MakeDirectories("/install/icons");
  fs.Write("/install/support/readme.rtf", ReadRealFile(KELVAD_TEST_DATA_DIR "/support/readme.rtf"));
  fs.Write("/install/support/velmark.avi", ReadRealFile(KELVAD_TEST_DATA_DIR "/support/velmark.avi"));
  for (const char* size : {"16", "24", "32", "48"}) {
    std::string name = std::string("icon") + size + "i.bmp";
    fs.Write("/install/icons/" + name, ReadRealFile(KELVAD_TEST_DATA_DIR "/icons/" + name));
  }
}

void WizardFixture::Marker(char drive, const std::string& file) {
  std::string dir = std::string("/") + drive + "/epoc32/release/wins/deb";
  fs.MakeDirectories(dir);
  fs.Write(dir + "/" + file, "");
}

WizardWindow& WizardFixture::Open() {
  WizardEnvironment env;
  env.files = &fs;
  env.drives = &drives;
  env.install_dir = "/install";
  env.data_dir = "/data";
  env.search_pacing_ms = 0;
  env.launch = false;
  env.message = [this](QMessageBox::Icon, const QString&, const QString& text) { messages.push_back(text); };
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

}  // namespace kelvad::testing
