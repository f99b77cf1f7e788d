#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvad {

// `kelvad generate ...`: the wizard walked through with the given settings,
// then "Go!". program_dir is the directory of the executable.
int RunGenerate(const std::vector<std::string>& args, const std::string& program_dir, std::ostream& out,
                std::ostream& err);

}  // namespace kelvad
