#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "ui/wizard_window.h"

namespace kelvad::testing {

// A wizard over an in-memory file system: drives C and D, the shipped files
// under /install (the real ones), the user's files under /data. Message
// boxes are recorded instead of shown; nothing is paced. Given a directory,
// the same layout lies on disk under it instead.
class WizardFixture {
 public:
  WizardFixture();
  explicit WizardFixture(const std::string& disk_root);
  // Puts the SDK's marker file on a drive.
  void Marker(char drive, const std::string& file);
  // Puts the help template where the help step looks for it on a drive.
  void HelpTemplate(char drive);
  // Creates the window, starts it and waits for the SDK search to end.
  WizardWindow& Open();

  template <class T>
  T* Find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  // Clicks "Next >>" (or "<< Previous") n times.
  void Next(int n = 1);
  void Previous(int n = 1);
  int PanelShown() const;
  // Walks on to the Finish panel.
  void ToFinish();
  // Presses "Go!" and waits for the closing message.
  void Go();

  // The host path of a path under the root ("/c/ProjectX").
  std::string Host(const std::string& path) const { return root + path; }

  std::string root;  // empty in memory
  MemoryFileSystem fs;
  RealFileSystem disk;
  FileSystem& files;
  DosDrives drives;
  std::vector<QString> messages;
  QString chosen_file;  // what the file dialog answers
  std::unique_ptr<WizardWindow> window;
};

// Reads a file of the real file system.
std::string ReadRealFile(const std::string& path);

// Every file under a directory, by path relative to it.
std::map<std::string, std::string> FilesUnder(const std::string& dir);

// Runs `kelvad generate` with drive C and the data directory under root,
// the shipped files and --no-launch; returns its exit status.
int Headless(const std::string& root, QStringList args);

// The same files with the same bytes under both directories.
void CompareTrees(const std::string& wizard, const std::string& headless);

}  // namespace kelvad::testing
