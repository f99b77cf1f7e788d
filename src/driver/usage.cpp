#include "driver/usage.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>

#include "driver/build_driver.h"
#include "platform/dos_paths.h"

namespace kelvad {

// The generate lines, shared by both usages.
#define GENERATE_USAGE                                                                   \
  "kelvad generate [--drive X=DIR]... [--set KEY=VALUE]... [--install-dir DIR]\n"        \
  "                       [--data-dir DIR] [--sdk-release 0|3|5] [--no-launch]\n"       \
  "                       [--dry-run [--host-paths]] [--registry FILE] [--project FILE]\n"

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
         "  --host-paths         generate --dry-run: give each file's host path after a tab\n"
         "  -h, --help           print this help\n"
         "  --version            print the version\n"
         "\n"
         "kelvad generate exits with 0 when the build completed, 1 when it was\n"
         "abandoned, 2 for unusable arguments (nothing is then written), and 130 or\n"
         "143 when Ctrl-C or SIGTERM stopped it. The settings keys and the project\n"
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

const std::vector<std::string> kCommandNames = {"generate"};
namespace {

// The options both programs take; a suggestion prefers the first of equals,
// so the order of the lists below is the order they are offered in.
const std::vector<std::string> kSessionOptionNames = {"--drive", "--install-dir", "--data-dir", "--registry",
                                                      "--project"};

std::vector<std::string> SessionOptionsAnd(std::initializer_list<std::string> more) {
  std::vector<std::string> names = kSessionOptionNames;
  names.insert(names.end(), more);
  return names;
}

}  // namespace

const std::vector<std::string> kWizardOptionNames = SessionOptionsAnd({"--help", "--version"});
const std::vector<std::string> kGenerateOptionNames = SessionOptionsAnd(
    {"--set", "--sdk-release", "--no-launch", "--dry-run", "--host-paths", "--help", "--version"});

namespace {

// Edits (insert, delete, replace, swap two neighbours) from one text to the other.
size_t TypingDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string DidYouMean(const std::string& word, const std::vector<std::string>& known) {
  // "--drive=c=DIR" is "--drive" given its value the other way; long words are not worth measuring.
  std::string typed = LowerAscii(word.substr(0, word.find('=')));
  if (typed.empty() || typed.size() > 40) return "";
  const size_t letters = typed.size() - std::min(typed.find_first_not_of('-'), typed.size());
  const std::string* best = nullptr;
  size_t best_distance = 0;
  for (const std::string& candidate : known) {
    size_t distance = TypingDistance(typed, candidate);
    if (letters >= 3 && candidate.rfind(typed, 0) == 0) distance = 0;
    if (distance > std::max<size_t>(1, candidate.size() / 4)) continue;
    if (!best || distance < best_distance) best = &candidate, best_distance = distance;
  }
  return best ? " (did you mean \"" + *best + "\"?)" : "";
}

std::optional<SessionOptions> WizardOptions(const std::vector<std::string>& args, std::ostream& err) {
  SessionOptions options;
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      if (!ParseSessionOption(args, i, options)) {
        throw UsageError("unknown option " + Shown(args[i]) + DidYouMean(args[i], kWizardOptionNames));
      }
    }
  } catch (const Error& e) {
    err << "kelvad: " << e.what() << "\n" << kProgramUsage;
    return std::nullopt;
  }
  return options;
}

}  // namespace kelvad
