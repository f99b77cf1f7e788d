#pragma once

#include <string>
#include <vector>

#include "model/settings.h"
#include "resources/command_model.h"

namespace kelvad {

class DosDrives;
class Registry;

// What "Go!" would do with the same state.
struct DryRunInput {
  Settings settings;
  CommandModel commands;  // a copy: a build adds to the used-command list
  int sdk_release = 0;
  std::string install_dir;
  std::string help_template;
  const Registry* registry = nullptr;
  bool check_before_writing = true;
};

struct PlannedFile {
  std::string dos_path;   // as the build names it, e.g. "c:\ProjectX\Engine\engine.cpp"
  std::string bytes;      // the file as it would be written
  std::string host_path;  // where it would be written
};

struct DryRun {
  std::vector<std::string> directories;  // DOS paths, in the order they would be made
  std::vector<PlannedFile> files;        // in the order they would first be written
  bool completed = false;
  bool started = false;               // false: refused before anything would be written
  std::string error;                  // why the build would be abandoned
  std::vector<std::string> warnings;  // what the build would warn about
};

// Runs the build into memory over the drives, which it reads but never
// writes: nothing is started and no report is saved.
DryRun DryRunBuild(const DryRunInput& input, const DosDrives& drives);

}  // namespace kelvad
