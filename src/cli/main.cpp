#include <iostream>
#include <string>
#include <vector>

#include "cli/generate.h"
#include "driver/usage.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program.h"

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
  kelvad::ReplaceFailure failure = kelvad::ReplaceProcess(wizard, args);
  if (failure.not_found) {
    std::cerr << "kelvad: the wizard is not installed (install the package kelvad-wizard); "
                 "kelvad generate builds projects without it.\n";
  } else {
    std::cerr << "kelvad: cannot start the wizard " << kelvad::ShownPath(wizard) << ": " << failure.reason << "\n";
  }
  return kelvad::kExitUsage;
}
