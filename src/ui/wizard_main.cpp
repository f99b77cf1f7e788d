#include "ui/wizard_main.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

#include "driver/session.h"
#include "driver/usage.h"
#include "platform/process.h"
#include "platform/windows_system.h"
#include "ui/wizard_window.h"

namespace kelvad {

namespace {

const char* const kNoDisplay =
    "kelvad: there is no display to show the wizard on; use kelvad generate to build projects without one.\n";

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

// While the application connects to its display, Qt's messages are held
// back: when the display cannot be reached Qt ends the program with a fatal
// message (and a core dump), and its warnings before that would only say at
// length what the one line says. Once connected they are let through.
std::vector<std::pair<QtMsgType, QString>> held_messages;

void HoldWhileConnecting(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::_Exit(2);
  }
  held_messages.emplace_back(type, message);
}

void ReleaseHeldMessages(QtMessageHandler previous) {
  qInstallMessageHandler(previous);
  for (const auto& [type, message] : held_messages) {
    QMessageLogger logger;
    if (type == QtDebugMsg) logger.debug("%s", qUtf8Printable(message));
    if (type == QtInfoMsg) logger.info("%s", qUtf8Printable(message));
    if (type == QtWarningMsg) logger.warning("%s", qUtf8Printable(message));
    if (type == QtCriticalMsg) logger.critical("%s", qUtf8Printable(message));
  }
  held_messages.clear();
}

}  // namespace

int RunWizard(int argc, char** argv, const std::string& program_dir, const SessionOptions& options) {
  if (!HasDisplay()) {
    std::cerr << kNoDisplay;
    return 2;
  }

  QtMessageHandler previous = qInstallMessageHandler(HoldWhileConnecting);
  QApplication app(argc, argv);
  ReleaseHeldMessages(previous);
  std::unique_ptr<Session> session;
  try {
    session = OpenSession(options, program_dir);
  } catch (const std::exception& e) {
    // Nothing was written: an unusable option, as kelvad generate counts it.
    std::cerr << "kelvad: " << e.what() << "\n";
    return kExitUsage;
  }
  for (const auto& warning : session->warnings) std::cerr << "kelvad: warning: " << warning << "\n";
  SystemProcessStarter starter;
  WizardWindow window(SessionEnvironment(*session, starter));
  if (!window.Start()) return 1;
  if (!options.project_file.empty()) window.OpenDescriptionAfterSearch(QString::fromStdString(options.project_file));
  return app.exec();
}

}  // namespace kelvad
