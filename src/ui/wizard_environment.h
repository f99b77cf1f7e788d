#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>

namespace kelvad {

class DosDrives;
class FileSystem;
class ProcessStarter;
class Registry;
struct Session;

// What the wizard works with besides its own controls.
struct WizardEnvironment {
  FileSystem* files = nullptr;  // the shipped files and the user's files
  DosDrives* drives = nullptr;
  const Registry* registry = nullptr;
  ProcessStarter* starter = nullptr;
  bool launch = true;
  std::string install_dir;  // host directory of support/, icons/ and Help/
  std::string data_dir;     // host directory of cmdlist.dat and kelvad.rtf
  int search_pacing_ms = 100;
  int line_pause_ms = 50;  // after each line of the progress report during a build
  // Shows a message box with an OK button and returns when it is closed.
  std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)> message;
  // Asks a question with the given standard buttons and returns the one chosen.
  std::function<QMessageBox::StandardButton(const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons)>
      ask;
  // Asks for a project description file to save to (proposing a name) or
  // to open; empty: none.
  std::function<QString(bool save, const QString& proposed)> choose_file;
};

// The environment of a wizard that works on the session's drives, registry
// and directories and starts processes through starter; the dialogs are the
// window's own.
WizardEnvironment SessionEnvironment(Session& session, ProcessStarter& starter);

}  // namespace kelvad
