#pragma once

#include <string>

namespace kelvad {

class DosDrives;

// Why the text cannot be a project name, or empty when it can: it must be
// one plain directory name in the drive root, in Windows-1252.
std::string ProjectNameProblem(const std::string& name);

// Whether the drive root holds an entry of that name, ignoring case.
bool ProjectEntryExists(const DosDrives& drives, char drive, const std::string& name);

}  // namespace kelvad
