#include <iostream>
#include <string>
#include <vector>

#include "cli/generate.h"
#include "driver/usage.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program.h"

#ifdef _WIN32
#include "driver/build_driver.h"
#include "platform/windows_system.h"
#endif

namespace {

// The wizard is a program of its own so that this one, which build servers
// run, maps no Qt library. It is installed beside this one.
std::string WizardProgram(const std::string& program_dir) {
#ifdef _WIN32
  return kelvad::JoinPath(program_dir, "kelvad-wizard.exe");
#else
  return kelvad::JoinPath(program_dir, "kelvad-wizard");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = kelvad::ProgramArguments(argc, argv);
  std::string program_dir = kelvad::ProgramDirectory(argv[0]);
  if (auto status = kelvad::RunInformationOption(args, std::cout)) return *status;
  if (!args.empty() && args[0] == "generate") {
    return kelvad::RunGenerate({args.begin() + 1, args.end()}, program_dir, std::cout, std::cerr);
  }
  // The wizard takes options only, so a word is a command.
  if (!args.empty() && !args[0].empty() && args[0][0] != '-') {
    std::cerr << "kelvad: unknown command " << kelvad::Shown(args[0])
              << kelvad::DidYouMean(args[0], kelvad::kCommandNames) << "\n"
              << kelvad::kProgramUsage;
    return kelvad::kExitUsage;
  }
  // Unusable options are refused here, whether or not the wizard is installed.
  if (!kelvad::WizardOptions(args, std::cerr)) return kelvad::kExitUsage;
  const std::string wizard = WizardProgram(program_dir);
#ifdef _WIN32
  // Started from Explorer or a shortcut, this console program got a console
  // window of its own, which would stand empty behind the wizard until it
  // closes; a console shared with a command interpreter stays as it is.
  const bool console_hidden = kelvad::HideOwnConsole();
#endif
  kelvad::ReplaceFailure failure = kelvad::ReplaceProcess(wizard, args);
  std::string message;
  if (failure.not_found) {
    message = "kelvad: the wizard is not installed (install the package kelvad-wizard); "
              "kelvad generate builds projects without it.";
  } else {
    message = "kelvad: cannot start the wizard " + kelvad::ShownPath(wizard) + ": " + failure.reason;
  }
#ifdef _WIN32
  if (console_hidden) {
    kelvad::ShowErrorBox(kelvad::GetVersionString(), message);
    return kelvad::kExitUsage;
  }
#endif
  std::cerr << message << "\n";
  return kelvad::kExitUsage;
}
