#include "driver/usage.h"

#include <ostream>

#include "driver/build_driver.h"

namespace kelvad {

// The generate lines, shared by both usages.
#define GENERATE_USAGE                                                                   \
  "kelvad generate [--drive X=DIR]... [--set KEY=VALUE]... [--install-dir DIR]\n"        \
  "                       [--data-dir DIR] [--sdk-release 0|3|5] [--no-launch]\n"       \
  "                       [--dry-run] [--registry FILE] [--project FILE]\n"

const char* const kGenerateUsage = "usage: " GENERATE_USAGE;

const char* const kProgramUsage =
    "usage: kelvad [--drive X=DIR]... [--install-dir DIR] [--data-dir DIR]\n"
    "              [--registry FILE] [--project FILE]\n"
    "       " GENERATE_USAGE
    "       kelvad --help | --version\n";

std::string HelpText() {
  return std::string(kProgramUsage) +
         "\n"
         "kelvad opens the wizard that builds an EPOC32 (EIKON) application project.\n"
         "kelvad generate writes the same project without a window: the wizard walked\n"
         "through with the given settings, then \"Go!\".\n"
         "\n"
         "  --drive X=DIR        map the drive letter X to the host directory DIR\n"
         "  --install-dir DIR    read the shipped files (icons, support, Help) from DIR\n"
         "  --data-dir DIR       read cmdlist.dat and write the report kelvad.rtf in DIR\n"
         "  --registry FILE      read registry values from a .reg export\n"
         "  --project FILE       read a project description (JSON) first\n"
         "  --set KEY=VALUE      generate: set one wizard setting\n"
         "  --sdk-release 0|3|5  generate: take this SDK release, do not search for one\n"
         "  --no-launch          generate: write the project and start nothing\n"
         "  --dry-run            generate: list the files a build would write, write nothing\n"
         "  -h, --help           print this help\n"
         "  --version            print the version\n"
         "\n"
         "kelvad generate exits with 0 when the build completed, 1 when it was\n"
         "abandoned and 2 for unusable arguments. The settings keys and the project\n"
         "description format are described in kelvad(1).\n";
}

std::optional<int> RunInformationOption(const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty()) return std::nullopt;
  if (args[0] == "--help" || args[0] == "-h") {
    out << HelpText();
    return 0;
  }
  if (args[0] == "--version") {
    out << GetVersionString() << "\n";
    return 0;
  }
  return std::nullopt;
}

std::optional<SessionOptions> WizardOptions(const std::vector<std::string>& args, std::ostream& err) {
  SessionOptions options;
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      if (!ParseSessionOption(args, i, options)) throw UsageError("unknown option \"" + args[i] + "\"");
    }
  } catch (const Error& e) {
    err << "kelvad: " << e.what() << "\n" << kProgramUsage;
    return std::nullopt;
  }
  return options;
}

}  // namespace kelvad
