#include "ui/wizard_main.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "driver/session.h"
#include "platform/process.h"
#include "platform/windows_system.h"
#include "ui/wizard_window.h"

namespace kelvad {

namespace {

// Qt aborts the program when it finds no display; say why in one line instead.
bool HasDisplay() {
#if defined(_WIN32)
  // A service or a task run without a logged-on user has a desktop nobody sees.
  return HasInteractiveDesktop();
#elif defined(__APPLE__)
  return true;
#else
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
#endif
}

}  // namespace

int RunWizard(int argc, char** argv, const std::string& program_dir, const SessionOptions& options) {
  if (!HasDisplay()) {
    std::cerr << "kelvad: there is no display to show the wizard on; use kelvad generate to build projects "
                 "without one.\n";
    return 2;
  }

  QApplication app(argc, argv);
  std::unique_ptr<Session> session;
  try {
    session = OpenSession(options, program_dir);
  } catch (const std::exception& e) {
    std::cerr << "kelvad: " << e.what() << "\n";
    return 1;
  }
  for (const auto& warning : session->warnings) std::cerr << "kelvad: warning: " << warning << "\n";
  SystemProcessStarter starter;
  WizardEnvironment environment;
  environment.files = &session->fs;
  environment.drives = session->drives.get();
  environment.registry = session->registry.get();
  environment.starter = &starter;
  environment.install_dir = session->install_dir;
  environment.data_dir = session->data_dir;
  WizardWindow window(environment);
  if (!window.Start()) return 1;
  if (!options.project_file.empty()) window.OpenDescriptionAfterSearch(QString::fromStdString(options.project_file));
  return app.exec();
}

}  // namespace kelvad
