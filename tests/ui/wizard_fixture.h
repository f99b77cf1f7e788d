#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "ui/wizard_window.h"

namespace kelvad::testing {

// A wizard over an in-memory file system: drives C and D, the shipped files
// under /install (the real icons, stand-ins for the rest), the user's files
// under /data. Message boxes are recorded instead of shown; the search is
// not paced.
class WizardFixture {
 public:
  WizardFixture();
  // Puts the SDK's marker file on a drive.
  void Marker(char drive, const std::string& file);
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

  MemoryFileSystem fs;
  DosDrives drives;
  std::vector<QString> messages;
  std::unique_ptr<WizardWindow> window;
};

}  // namespace kelvad::testing
