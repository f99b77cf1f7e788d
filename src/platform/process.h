#pragma once

#include <string>

namespace kelvad {

struct StartRequest {
  std::string command_line;    // as the command interpreter reads it, redirection included
  std::string dos_directory;   // e.g. "c:\ProjectX"
  std::string host_directory;  // the same directory on the host
  char drive = 'c';
  std::string drive_root;      // host directory of the drive
};

struct StartOutcome {
  bool started = false;
  std::string explanation;  // why nothing was started
};

// Starts a command line as an independent process that is never waited for.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  virtual StartOutcome Start(const StartRequest& request) = 0;
};

// On Windows the command interpreter (%ComSpec% /A /C), in a console of its
// own that opens minimized and active, provided the drive is the real drive.
// Elsewhere "wine cmd /c", provided Wine is installed and maps the drive to
// the same directory. Otherwise nothing is started and the outcome says why.
class SystemProcessStarter : public ProcessStarter {
 public:
  StartOutcome Start(const StartRequest& request) override;
};

// Searches PATH for an executable (on Windows as SearchPath does, ".exe"
// added when the name has no extension).
std::string FindProgram(const std::string& name);

}  // namespace kelvad
