#pragma once

#include <string>
#include <vector>

namespace kelvad {

// The directory that holds the running executable (found through the
// system, so that a program started through PATH or a link still finds the
// files shipped beside it); argv0 is the fallback.
std::string ProgramDirectory(const char* argv0);

// The arguments after the program name, in UTF-8. On Windows they are read
// from the wide command line: main's argv holds them in the ANSI code page,
// which loses every character that page lacks.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace kelvad
