#include <iostream>
#include <string>
#include <vector>

#include "cli/generate.h"
#include "platform/program.h"

#ifdef KELVAD_WITH_WIZARD
#include "ui/wizard_main.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args = kelvad::ProgramArguments(argc, argv);
  std::string program_dir = kelvad::ProgramDirectory(argv[0]);
  if (!args.empty() && args[0] == "generate") {
    return kelvad::RunGenerate({args.begin() + 1, args.end()}, program_dir, std::cout, std::cerr);
  }
#ifdef KELVAD_WITH_WIZARD
  if (args.empty()) return kelvad::RunWizard(argc, argv, program_dir);
#endif
  std::cerr << kelvad::kGenerateUsage;
  return kelvad::kExitUsage;
}
