#include <iostream>
#include <string>
#include <vector>

#include "driver/usage.h"
#include "platform/program.h"
#include "ui/wizard_main.h"

// The wizard program, normally started by `kelvad` without a command; it
// takes the same options, so it can be started directly as well.
int main(int argc, char** argv) {
  std::vector<std::string> args = kelvad::ProgramArguments(argc, argv);
  if (auto status = kelvad::RunInformationOption(args, std::cout)) return *status;
  auto options = kelvad::WizardOptions(args, std::cerr);
  if (!options) return kelvad::kExitUsage;
  return kelvad::RunWizard(argc, argv, kelvad::ProgramDirectory(argv[0]), *options);
}
