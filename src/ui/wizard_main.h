#pragma once

#include <string>

#include "driver/session.h"

namespace kelvad {

// `kelvad [options]`: the wizard. Returns the exit status.
int RunWizard(int argc, char** argv, const std::string& program_dir, const SessionOptions& options);

}  // namespace kelvad
