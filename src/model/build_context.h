#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/project_tree.h"
#include "model/report.h"
#include "model/settings.h"
#include "platform/errors.h"

namespace kelvad {

class DosDrives;
class ProcessStarter;
class Registry;
class WordProcessor;
struct CommandModel;

// The user stopped the build; what names the file it stopped before.
class BuildStopped : public Error {
 public:
  using Error::Error;
};

// Everything one build reads and writes besides the generated files: the
// settings as they were when "Go!" was pressed, the SDK release found at
// start-up, the drives, the report and the project tree, the command data,
// and the shared line counter of the output file writer.
struct BuildContext {
  BuildContext(const Settings& settings, DosDrives& drives, Report& report, Tree& tree)
      : settings(settings), drives(drives), report(report), tree(tree) {}

  const Settings& settings;
  DosDrives& drives;
  Report& report;
  Tree& tree;

  int sdk_release = 0;  // 0, 3 or 5
  CommandModel* commands = nullptr;
  const Registry* registry = nullptr;
  WordProcessor* word = nullptr;
  ProcessStarter* starter = nullptr;  // none: nothing is started and the report says so
  bool launch = true;                 // false: ebld.bat is written but not started
  // A warning the build goes on after: a message box in the wizard, a line on
  // stderr headless. The detail says what failed. None: not shown.
  std::function<void(const std::string& title, const std::string& text, const std::string& detail)> warn;

  // Asked before each file is opened for output: true ends the build there,
  // between two files, with BuildStopped. None: the build runs to its end.
  std::function<bool()> stop_requested;

  std::string install_dir;    // host directory of the shipped files (support, icons, help)
  std::string report_path;    // host path of kelvad.rtf
  std::string help_template;  // DOS path of the help template, empty when none was found

  std::int32_t lines_written = 0;
};

}  // namespace kelvad
