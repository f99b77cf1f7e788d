#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kelvad {

// Both ways of starting the program, printed on unusable arguments.
extern const char* const kProgramUsage;

// The usage followed by what each option does, for --help.
std::string HelpText();

// "--help", "-h" or "--version" as the first argument: prints the help or
// the version to out and gives the exit status 0. nullopt for anything else.
std::optional<int> RunInformationOption(const std::vector<std::string>& args, std::ostream& out);

}  // namespace kelvad
