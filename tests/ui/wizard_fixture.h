#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QStackedWidget>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "ui/wizard_window.h"
#include "wizard/keyboard.h"
#include "wizard/panels.h"

namespace kelvad::testing {

// A wizard over an in-memory file system: drives C and D, the shipped files
// under /install, the user's files under /data. Message boxes are recorded
// instead of shown; nothing is paced. Given a directory, the same layout lies
// on disk under it, with the shipped files read where they are.
class WizardFixture {
 public:
  WizardFixture();
  explicit WizardFixture(const std::string& disk_root);
  // An empty file, with its directories, at a path under the root.
  void Touch(const std::string& path);
  void Marker(char drive, const std::string& file) {
    Touch(std::string("/") + drive + "/epoc32/release/wins/deb/" + file);
  }
  void HelpTemplate(char drive) { Touch(std::string("/") + drive + kHelpTemplate); }
  static constexpr const char* kHelpTemplate = "/Aleppo/Template/EPOCHELP.DOT";
  // Creates the window, starts it and waits for the SDK search to end.
  WizardWindow& Open();

  // Makes the window the active one, so that keys reach its focus.
  void Activate() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  template <class T>
  T* Find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  // A button's caption as shown, without its mnemonic marker.
  QString Caption(const char* button) {
    return QString::fromStdString(StripMnemonic(Find<QAbstractButton>(button)->text().toStdString()));
  }
  void Click(const char* button) { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }
  void Next(int n = 1) {
    for (int i = 0; i < n; ++i) Click("Command2_1");
  }
  int PanelShown() {
    return Find<QStackedWidget>("PanelStack")->currentWidget()->objectName().mid(QString("PanelScroll_").size()).toInt();
  }
  void ToFinish() {
    while (PanelShown() != kPanelFinish && Find<QAbstractButton>("Command2_1")->isEnabled()) Next();
  }
  // Presses "Go!" once it takes presses, and waits for the closing message.
  void Go() {
    size_t shown = messages.size();
    QTest::qWait(QApplication::doubleClickInterval());
    Click("Command1");
    QTRY_VERIFY_WITH_TIMEOUT(!window->Building() && messages.size() > shown, 20000);
  }

  // On disk: runs `kelvad generate` with ARGS and the shipped files, its
  // drive C (with a help template where the wizard's has one) and data
  // directory in "headless" beside the root, and expects the same files with
  // the same bytes in the project directory and the same report.
  void SameAsHeadless(const std::string& project, QStringList args);

  int line_pause_ms = 0;  // after each report line of a build
  std::string root;  // empty in memory
  MemoryFileSystem fs;
  RealFileSystem disk;
  FileSystem& files;
  DosDrives drives;
  std::vector<QString> messages;
  std::vector<QMessageBox::Icon> icons;  // of each message
  std::vector<QString> questions;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;  // to every question
  QString chosen_file;  // what the file dialog answers
  QString proposed_file;  // what it was offered last
  std::unique_ptr<WizardWindow> window;
};

std::string ReadRealFile(const std::string& path);

}  // namespace kelvad::testing
