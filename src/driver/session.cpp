#include "driver/session.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>

#include "platform/install_dir.h"
#include "resources/standard_commands.h"

namespace kelvad {

namespace {
namespace fs = std::filesystem;

bool IsWritableDirectory(const std::string& dir) {
  std::error_code ec;
#ifdef _WIN32
  return fs::is_directory(HostPath(dir), ec);
#else
  return fs::is_directory(HostPath(dir), ec) && access(dir.c_str(), W_OK) == 0;
#endif
}

}  // namespace

std::string OptionValue(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

bool ParseSessionOption(const std::vector<std::string>& args, size_t& i, SessionOptions& options) {
  const std::string& arg = args[i];
  auto value = [&] { return OptionValue(args, i); };
  if (arg == "--drive") {
    std::string text = value();
    auto assignment = ParseDriveAssignment(text);
    if (!assignment) throw UsageError("--drive takes X=DIR, not " + Shown(text));
    options.drives.push_back(*assignment);
  } else if (arg == "--install-dir") {
    options.install_dir = value();
  } else if (arg == "--data-dir") {
    options.data_dir = value();
  } else if (arg == "--registry") {
    options.registry_file = value();
    // Checked at once, so that the wizard is not started for a file it cannot read.
    try {
      RealFileSystem().ReadPrefix(options.registry_file, 0);
    } catch (const Error& e) {
      throw UsageError(std::string("--registry: ") + e.what());
    }
  } else if (arg == "--project") {
    options.project_file = value();
  } else {
    return false;
  }
  return true;
}

std::string DataDirectory(const SessionOptions& options, const std::string& program_dir) {
  if (!options.data_dir.empty()) return options.data_dir;
  // An installed copy's bin directory is shared by every user and program.
  bool installed = !InstalledShareDirectory(program_dir).empty();
  return !installed && IsWritableDirectory(program_dir) ? program_dir : UserConfigDirectory();
}

std::unique_ptr<Session> OpenSession(const SessionOptions& options, const std::string& program_dir) {
  auto session = std::make_unique<Session>();
  session->data_dir = DataDirectory(options, program_dir);
  session->install_dir = options.install_dir.empty() ? InstallationDirectory(program_dir) : options.install_dir;
  session->drive_choice = ChooseDrives(options.drives);
  session->drives = std::make_unique<DosDrives>(session->fs, session->drive_choice.drives);
  if (!options.registry_file.empty()) {
    session->registry = ExportedRegistry::Load(session->fs, options.registry_file);
  } else {
    std::string problem;
    session->registry = OpenDefaultRegistry(session->fs, &problem);
    if (!problem.empty()) session->warnings.push_back("registry not read: " + problem);
  }
  return session;
}

CommandModel StartupCommands() {
  CommandModel commands;
  LoadStandardCommands(commands);
  BuildDefaultMenus(commands);
  return commands;
}

}  // namespace kelvad
