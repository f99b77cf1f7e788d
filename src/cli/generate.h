#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvad {

// Exit statuses of the headless front end.
enum ExitStatus { kExitCompleted = 0, kExitAbandoned = 1, kExitUsage = 2 };

extern const char* const kGenerateUsage;  // in usage.cpp

// `kelvad generate ...`: the wizard walked through with the given settings,
// then "Go!". program_dir is the directory of the executable.
int RunGenerate(const std::vector<std::string>& args, const std::string& program_dir, std::ostream& out,
                std::ostream& err);

}  // namespace kelvad
