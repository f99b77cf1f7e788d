#pragma once

#include <string>
#include <vector>

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

// Runs program in place of this process, with args after the program's own
// name. On POSIX the process image is replaced, so a launcher or a script
// that started us is left holding the program it meant. Windows cannot do
// that: the program runs as a child sharing our console and handles, and
// this process exits with its status. Returns only on failure, with the
// system's reason; ENOENT (ERROR_FILE_NOT_FOUND) is reported as not_found.
struct ReplaceFailure {
  bool not_found = false;
  std::string reason;
};
ReplaceFailure ReplaceProcess(const std::string& program, const std::vector<std::string>& args);

// Searches PATH for an executable (on Windows as SearchPath does, ".exe"
// added when the name has no extension).
std::string FindProgram(const std::string& name);

}  // namespace kelvad
