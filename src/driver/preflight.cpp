#include "driver/preflight.h"

#include <algorithm>
#include <string>

#include "buildfiles/aif.h"
#include "driver/dry_run.h"
#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "resources/command_model.h"

namespace kelvad {

namespace {

void CheckFits(const std::string& host_path, const std::string& dos_path, bool directory, const std::string& root,
               const PathLimits& limits) {
  const std::size_t path_limit = directory ? limits.directory_path : limits.file_path;
  size_t start = root.size() + (root.back() == '/' ? 0 : 1);
  for (size_t end; start < host_path.size(); start = end + 1) {
    end = std::min(host_path.find('/', start), host_path.size());
    const std::string name = host_path.substr(start, end - start);
    if (HostLength(name) > limits.name) {
      throw Error(ShownPath(dos_path) + " cannot be written: its name " + ShownPath(name) + " is " + std::to_string(HostLength(name)) +
                  " " + limits.unit + " long, and a name can be at most " + std::to_string(limits.name) +
                  "; choose a shorter project name");
    }
  }
  if (HostLength(host_path) > path_limit) {
    throw Error(ShownPath(dos_path) + " cannot be written: its path " + ShownPath(host_path) + " is " +
                std::to_string(HostLength(host_path)) + " " + limits.unit + " long, and a path can be at most " +
                std::to_string(path_limit) + "; choose a shorter project name or a drive directory with a shorter path");
  }
}

// Near a limit the build is planned in memory, and each path it would write
// measured; far from one the planning would cost a second build for nothing.
void CheckPathLengths(BuildContext& context, const std::string& root) {
  const PathLimits limits = context.drives.fs().Limits(root);
  const std::size_t name = HostLength(context.settings.name);
  const std::size_t below_root = HostLength(root) + 1 + 2 * name + kPathBeyondNames;
  if (name + kNameBeyondProjectName <= limits.name &&
      below_root <= std::min(limits.file_path, limits.directory_path)) {
    return;
  }
  DryRunInput input;
  input.settings = context.settings;
  if (context.commands) input.commands = *context.commands;
  input.sdk_release = context.sdk_release;
  input.install_dir = context.install_dir;
  input.help_template = context.help_template;
  input.registry = context.registry;
  input.check_before_writing = false;
  DryRun run = DryRunBuild(input, context.drives);
  for (const std::string& dir : run.directories) CheckFits(context.drives.Resolve(dir), dir, true, root, limits);
  for (const PlannedFile& file : run.files) CheckFits(file.host_path, file.dos_path, false, root, limits);
}

}  // namespace

void CheckBeforeWriting(BuildContext& context) {
  FileSystem& fs = context.drives.fs();
  const std::string root = context.drives.Resolve(context.settings.ProjectDrive().substr(0, 1) + ":\\");
  fs.CheckWritable(root);
  for (const std::string& icon : TemplateIconPaths(context)) fs.ReadPrefix(icon, 0);
  CheckPathLengths(context, root);
}

}  // namespace kelvad
