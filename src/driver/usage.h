#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "driver/session.h"

namespace kelvad {

// Exit statuses of both front ends.
enum ExitStatus { kExitCompleted = 0, kExitAbandoned = 1, kExitUsage = 2 };

// The usage of `kelvad generate`, printed on its unusable arguments.
extern const char* const kGenerateUsage;

// Both ways of starting the program, printed on unusable arguments.
extern const char* const kProgramUsage;

// The usage followed by what each option does, for --help.
std::string HelpText();

// "--help", "-h" or "--version" as the first argument: prints the help or
// the version to out and gives the exit status 0. nullopt for anything else.
std::optional<int> RunInformationOption(const std::vector<std::string>& args, std::ostream& out);

// " (did you mean "generate"?)" for the known word nearest a mistyped one:
// the same ignoring case, one it begins, or one a few typing slips away.
// Empty when none is near.
std::string DidYouMean(const std::string& word, const std::vector<std::string>& known);

// The words each front end knows, for DidYouMean.
extern const std::vector<std::string> kCommandNames;
extern const std::vector<std::string> kWizardOptionNames;
extern const std::vector<std::string> kGenerateOptionNames;

// The options of the wizard (`kelvad` without a command). On an unusable one
// prints the reason and the usage to err and gives nullopt.
std::optional<SessionOptions> WizardOptions(const std::vector<std::string>& args, std::ostream& err);

}  // namespace kelvad
