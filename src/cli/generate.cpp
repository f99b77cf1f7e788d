#include "cli/generate.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>
#include <utility>

#include "driver/build_driver.h"
#include "driver/dry_run.h"
#include "driver/session.h"
#include "driver/usage.h"
#include "help/help_template.h"
#include "model/project_name.h"
#include "model/sdk_search.h"
#include "model/settings.h"
#include "platform/dos_paths.h"
#include "platform/drive_map.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/install_dir.h"
#include "platform/interrupt.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "resources/command_list.h"
#include "resources/command_model.h"
#include "resources/hotkeys.h"
#include "resources/project_description.h"
#include "wizard/reactions.h"

namespace kelvad {

namespace {
namespace fs = std::filesystem;

struct Options {
  SessionOptions session;
  SettingTexts sets;
  std::optional<int> sdk_release;
  bool launch = true;
  bool dry_run = false;
  bool host_paths = false;
  std::string information;  // --help, -h or --version: printed instead of a run
};

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    if (ParseSessionOption(args, i, options.session)) continue;
    const std::string& arg = args[i];
    auto value = [&] { return OptionValue(args, i); };
    if (arg == "--set") {
      std::string text = value();
      size_t eq = text.find('=');
      if (eq == std::string::npos || eq == 0) throw UsageError("--set takes KEY=VALUE, not " + Shown(text));
      options.sets.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    } else if (arg == "--sdk-release") {
      std::string text = value();
      if (text != "0" && text != "3" && text != "5") throw UsageError("--sdk-release takes 0, 3 or 5");
      options.sdk_release = text[0] - '0';
    } else if (arg == "--no-launch") {
      options.launch = false;
    } else if (arg == "--dry-run") {
      options.dry_run = true;
    } else if (arg == "--host-paths") {
      options.host_paths = true;
    } else if (arg == "--help" || arg == "-h" || arg == "--version") {
      options.information = arg;
    } else {
      throw UsageError("unknown option " + Shown(arg) + DidYouMean(arg, kGenerateOptionNames));
    }
  }
  if (options.host_paths && !options.dry_run) throw UsageError("--host-paths goes with --dry-run");
  return options;
}

// Prints each report line as it is added.
class PrintingView : public ReportView {
 public:
  explicit PrintingView(std::ostream& out) : out_(out) {}
  void LineAdded(const std::string& plain_text) override { out_ << plain_text << '\n' << std::flush; }

 private:
  std::ostream& out_;
};

bool IsDriveText(const std::string& drive) {
  return drive.size() >= 2 && drive[1] == ':' &&
         ((drive[0] >= 'a' && drive[0] <= 'z') || (drive[0] >= 'A' && drive[0] <= 'Z'));
}

// The wizard shows such a UID in red but writes it as typed; so does this,
// and says so.
void WarnAboutUids(const Settings& settings, std::ostream& err) {
  for (const SettingInfo& info : SettingTable()) {
    if (std::string_view(info.control).rfind("TextUUID_", 0) != 0) continue;
    const std::string& uid = settings.*(info.text);
    if (IsValidUid(uid)) continue;
    err << "kelvad generate: warning: setting \"" << info.key << "\" is " << Shown(uid)
        << ", not \"0x\" and eight hexadecimal digits; it is written as given\n";
  }
}

// A refusal before anything is written: the arguments, or what they name,
// cannot be used.
class Refusal : public Error {
 public:
  using Error::Error;
};

}  // namespace

int RunGenerate(const std::vector<std::string>& args, const std::string& program_dir, std::ostream& out,
                std::ostream& err) {
  Options options;
  Settings settings;
  std::string data_dir;
  ProjectDescription description;
  // The wizard's command data as start-up leaves it: the standard set, the
  // default menus, then the user's saved commands.
  CommandModel commands = StartupCommands();
  try {
    options = ParseOptions(args);
    if (!options.information.empty()) return *RunInformationOption({options.information}, out);
    data_dir = DataDirectory(options.session, program_dir);
    // Values are checked before anything else happens; applied again below.
    Settings probe;
    RealFileSystem real_fs;
    if (!options.session.project_file.empty()) description = LoadProjectDescription(real_fs, options.session.project_file);
    std::string cmdlist = JoinPath(data_dir, "cmdlist.dat");
    CommandListLoad load = LoadCommandList(real_fs, cmdlist, commands);
    if (!load.error.empty()) {
      err << "kelvad generate: warning: " << ShownPath(cmdlist) << ": " << load.error
          << (load.detail.empty() ? "" : " (" + load.detail + ")") << "\n";
    }
    try {
      ApplyProjectDescription(description, probe, commands);
    } catch (const DescriptionError& e) {
      throw DescriptionError(ShownPath(options.session.project_file) + ": " + e.what());
    }
    for (auto& [key, value] : options.sets) ApplySetting(probe, key, value);
    if (!IsDriveText(probe.drive)) throw UsageError("setting \"drive\" takes a drive such as d:, not " + Shown(probe.drive));
  } catch (const DescriptionError& e) {
    err << "kelvad generate: " << e.what() << "\n";
    return kExitUsage;
  } catch (const Error& e) {
    err << "kelvad generate: " << e.what() << "\n" << kGenerateUsage;
    return kExitUsage;
  }

  std::unique_ptr<Session> session;
  try {
    session = OpenSession(options.session, program_dir);
  } catch (const std::exception& e) {
    err << "kelvad generate: " << e.what() << "\n";
    return kExitUsage;
  }
  try {
    if (session->drive_choice.created_default) {
      out << "Drive C: is the directory " << session->drive_choice.drives['c'] << "\n";
    }
    for (const auto& warning : session->warnings) err << "kelvad generate: warning: " << warning << "\n";
    DosDrives& drives = *session->drives;
    Registry* registry = session->registry.get();
    const std::string& install_dir = session->install_dir;

    // Start-up: the SDK search decides the release and the default drive.
    SdkLocation sdk;
    if (options.sdk_release) {
      sdk.release = *options.sdk_release;
    } else {
      sdk = SearchForSdk(drives);
      if (sdk.drive) {
        out << SdkSearchResultText(sdk) << "\n";
      } else {
        err << "kelvad generate: warning: " << SdkSearchResultText(sdk) << "\n";
      }
    }
    settings.drive = sdk.drive ? std::string(1, sdk.drive) + ":" : "c:";

    SettingTexts given = description.settings;
    given.insert(given.end(), options.sets.begin(), options.sets.end());
    for (const auto& [key, value] : given) ApplySetting(settings, key, value);
    FollowProjectName(settings, given);
    WarnAboutUids(settings, err);

    char drive = LowerAscii(settings.ProjectDrive()[0]);
    if (!drives.IsMapped(drive)) {
      throw Refusal(std::string("drive ") + drive + ": is not mapped to a directory (use --drive " + drive + "=DIR)");
    }
    // Refused here, before anything is written, rather than half-way through creating the tree.
    if (drives.fs().Stat(drives.roots().at(drive)) != EntryKind::kDirectory) {
      throw Refusal(std::string("drive ") + drive + ": is mapped to " + ShownPath(drives.roots().at(drive)) +
                    ", which is not a directory");
    }
    if (std::string problem = ProjectNameProblem(settings.name); !problem.empty()) throw Refusal(problem);
    if (ProjectEntryExists(drives, drive, settings.name)) {
      throw Refusal(Shown(settings.name) + " already exists in the root of drive " + drive +
                    ":; choose another project name.");
    }

    // Walking past the Extras panel searched for the help template; the help
    // options given still hold when it was found.
    std::string help_template;
    HelpTemplateSearch help_search = SearchHelpTemplate(drives, registry, settings.ProjectDrive());
    if (!help_search.registry_problem.empty()) {
      err << "kelvad generate: warning: the word processor's template directory is unknown: "
          << help_search.registry_problem << "\n";
    }
    if (!help_search.found() && settings.help) {
      err << "kelvad generate: warning: " << HelpTemplateMissingText(help_search) << "\n";
    }
    ApplyHelpTemplateSearch(settings, help_search, help_template);

    // The hotkeys panel collects the menu items once it is shown.
    CollectMenuItems(commands);

    if (options.dry_run) {
      DryRun run = DryRunBuild({settings, commands, sdk.release, install_dir, help_template, registry}, drives);
      for (const auto& warning : run.warnings) err << "kelvad generate: warning: " << warning << "\n";
      for (const auto& file : run.files) {
        out << file.dos_path;
        if (options.host_paths) out << '\t' << file.host_path;
        out << "\n";
      }
      if (!run.completed) {
        err << "kelvad generate: the build would be abandoned: " << run.error << "\n";
        return run.started ? kExitAbandoned : kExitUsage;
      }
      return kExitCompleted;
    }

    Report report;
    PrintingView view(out);
    report.set_view(&view);
    Tree tree;
    SystemProcessStarter starter;
    BuildContext context(settings, drives, report, tree);
    context.sdk_release = sdk.release;
    context.commands = &commands;
    context.registry = registry;
    context.starter = &starter;
    context.launch = options.launch;
    context.install_dir = install_dir;
    context.interrupt_signal = InterruptSignal;
    context.report_path = JoinPath(data_dir, "kelvad.rtf");
    // A data directory named on the command line may not exist yet; the
    // report still belongs there, and the directory to the user alone.
    try {
      MakePrivateDirectories(data_dir);
    } catch (const Error& e) {
      err << "kelvad generate: warning: " << e.what() << "\n";
    }
    context.help_template = help_template;
    context.warn = [&err](const std::string&, const std::string& text, const std::string& detail) {
      std::string line = text;
      for (char& c : line) {
        if (c == '\r') c = ' ';
      }
      err << "kelvad generate: warning: " << line << " (" << detail << ")\n";
    };

    CatchInterrupts();
    BuildOutcome outcome = BuildProject(context);
    const std::string project_dir = drives.Resolve(settings.ProjectDirectory());
    if (outcome.interrupted) {
      err << "kelvad generate: interrupted; ";
      if (drives.Exists(settings.ProjectDirectory())) {
        err << "the partial project is in " << ShownPath(project_dir) << ": remove it before the name "
            << Shown(settings.name) << " can be used again\n";
      } else {
        err << "nothing was written\n";
      }
      return 128 + outcome.interrupted;
    }
    if (!outcome.started) {
      err << "kelvad generate: " << outcome.error << "\n";
      return kExitUsage;
    }
    if (!outcome.completed) {
      err << "kelvad generate: the build was abandoned: " << outcome.error << "\n"
          << "kelvad generate: what was written is in " << ShownPath(project_dir) << "\n";
      return kExitAbandoned;
    }
    if (!outcome.report_saved && !outcome.report_error.empty()) {
      err << "kelvad generate: warning: the report was not saved: " << outcome.report_error << "\n";
    }
    out << GetVersionString() << ": " << outcome.closing_message << "\n";
    out << "The project is in " << project_dir << "\n";
    return kExitCompleted;
  } catch (const Refusal& e) {
    err << "kelvad generate: " << e.what() << "\n";
    return kExitUsage;
  } catch (const std::exception& e) {
    err << "kelvad generate: " << e.what() << "\n";
    return kExitAbandoned;
  }
}

}  // namespace kelvad
