#include "driver/dry_run.h"

#include "driver/build_driver.h"
#include "model/build_context.h"
#include "platform/dos_paths.h"
#include "platform/overlay_file_system.h"

namespace kelvad {

namespace {

// The DOS path of a host path under one of the drive roots.
std::string DosPathOf(const DosDrives& drives, const std::string& host_path) {
  for (const auto& [letter, root] : drives.roots()) {
    std::string prefix = root.empty() || root.back() == '/' ? root : root + "/";
    if (host_path.rfind(prefix, 0) != 0 && host_path != root) continue;
    std::string rest = host_path == root ? "" : host_path.substr(prefix.size());
    for (char& c : rest) {
      if (c == '/') c = '\\';
    }
    return std::string(1, letter) + ":\\" + rest;
  }
  return host_path;
}

}  // namespace

DryRun DryRunBuild(const DryRunInput& input, const DosDrives& drives) {
  OverlayFileSystem overlay(drives.fs());
  DosDrives planned(overlay, drives.roots());
  Report report;
  Tree tree;
  CommandModel commands = input.commands;
  BuildContext context(input.settings, planned, report, tree);
  context.sdk_release = input.sdk_release;
  context.commands = &commands;
  context.registry = input.registry;
  context.launch = false;
  context.install_dir = input.install_dir;
  context.help_template = input.help_template;
  context.check_before_writing = input.check_before_writing;
  DryRun run;
  context.warn = [&run](const std::string&, const std::string& text, const std::string& detail) {
    run.warnings.push_back(text + " (" + detail + ")");
  };
  BuildOutcome outcome = BuildProject(context);
  run.completed = outcome.completed;
  run.started = outcome.started;
  run.error = outcome.error;
  for (const std::string& dir : overlay.Made()) run.directories.push_back(DosPathOf(drives, dir));
  for (const std::string& file : overlay.Written()) {
    run.files.push_back(PlannedFile{DosPathOf(drives, file), overlay.Read(file), file});
  }
  return run;
}

}  // namespace kelvad
