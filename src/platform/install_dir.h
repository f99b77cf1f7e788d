#pragma once

#include <string>

namespace kelvad {

// The installation directory, where the shipped files (icons, support, Help)
// are read, found from the directory of the executable: an installed copy
// keeps them in <prefix>/share/kelvad beside <prefix>/bin, the build tree in
// data/ beside the executable. The second is the answer when neither exists,
// so a message about a missing file names the place a developer expects.
std::string InstallationDirectory(const std::string& program_dir);

// <prefix>/share/kelvad beside the executable's <prefix>/bin, or empty when
// the program does not run from an installed copy.
std::string InstalledShareDirectory(const std::string& program_dir);

}  // namespace kelvad
