#pragma once

#include <string>

namespace kelvad {

extern const char* const kWizardUsage;

// `kelvad [options]`: the wizard. Returns the exit status.
int RunWizard(int argc, char** argv, const std::string& program_dir);

}  // namespace kelvad
