#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/dos_paths.h"
#include "platform/drive_map.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "resources/command_model.h"

namespace kelvad {

// Arguments that cannot be used; the front end prints its usage with it.
class UsageError : public Error {
 public:
  using Error::Error;
};

// The options both front ends take: where the drives, the shipped files,
// the user's files and the registry are, and a project description.
struct SessionOptions {
  std::vector<std::pair<char, std::string>> drives;
  std::string install_dir;    // empty: beside the program
  std::string data_dir;       // empty: the program's directory when writable, else the user's configuration
  std::string registry_file;  // a registry export; empty: the default registry
  std::string project_file;   // a project description; empty: none
};

// The value after the option at args[i], moving i onto it; fails with
// UsageError when there is none.
std::string OptionValue(const std::vector<std::string>& args, size_t& i);

// Reads the option at args[i] when it is one of them, moving i past its
// value. False when args[i] is some other argument. Fails with UsageError
// on a missing or malformed value.
bool ParseSessionOption(const std::vector<std::string>& args, size_t& i, SessionOptions& options);

// What a run of the program works with: the drives, the registry and the
// directories its files come from and go to.
struct Session {
  RealFileSystem fs;
  DriveChoice drive_choice;
  std::unique_ptr<DosDrives> drives;
  std::unique_ptr<Registry> registry;
  std::string install_dir;
  std::string data_dir;
  std::vector<std::string> warnings;  // worth telling the user, not worth stopping for

  std::string CommandListPath() const { return JoinPath(data_dir, "cmdlist.dat"); }
  std::string ReportPath() const { return JoinPath(data_dir, "kelvad.rtf"); }
};

// Where the user's files (cmdlist.dat, kelvad.rtf) are read and written.
std::string DataDirectory(const SessionOptions& options, const std::string& program_dir);

// Chooses the drives, opens the registry and settles the directories.
// Fails with kelvad::Error when the registry export named cannot be read.
std::unique_ptr<Session> OpenSession(const SessionOptions& options, const std::string& program_dir);

// The command data as the wizard's start-up leaves it before the user's
// commands are read: the standard commands and the default menus.
CommandModel StartupCommands();

}  // namespace kelvad
