#include <iostream>
#include <string>
#include <vector>

#include "cli/generate.h"
#include "cli/usage.h"
#include "driver/session.h"
#include "platform/program.h"

#ifdef KELVAD_WITH_WIZARD
#include "ui/wizard_main.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args = kelvad::ProgramArguments(argc, argv);
  std::string program_dir = kelvad::ProgramDirectory(argv[0]);
  if (auto status = kelvad::RunInformationOption(args, std::cout)) return *status;
  if (!args.empty() && args[0] == "generate") {
    return kelvad::RunGenerate({args.begin() + 1, args.end()}, program_dir, std::cout, std::cerr);
  }
#ifdef KELVAD_WITH_WIZARD
  kelvad::SessionOptions options;
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      if (!kelvad::ParseSessionOption(args, i, options)) throw kelvad::UsageError("unknown option \"" + args[i] + "\"");
    }
  } catch (const kelvad::Error& e) {
    std::cerr << "kelvad: " << e.what() << "\n" << kelvad::kProgramUsage;
    return kelvad::kExitUsage;
  }
  return kelvad::RunWizard(argc, argv, program_dir, options);
#else
  std::cerr << kelvad::kProgramUsage;
  return kelvad::kExitUsage;
#endif
}
