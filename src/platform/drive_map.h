#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvad {

using DriveMap = std::map<char, std::string>;

// Reads "X=DIR"; nullopt when the text is not of that form.
std::optional<std::pair<char, std::string>> ParseDriveAssignment(const std::string& text);

// Reads "c=DIR;d=DIR"; fails with kelvad::Error on a malformed entry.
DriveMap ParseDriveList(const std::string& text);

// The drive links of a Wine prefix ("dosdevices/c:" and so on), resolved to
// host directories; empty when there is no such prefix.
DriveMap WineDrives(const std::string& prefix);

// The Wine prefix in use: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();

// Per-user directories, created on first use (on Windows under %LOCALAPPDATA%
// and %APPDATA%).
std::string UserDataDirectory();
std::string UserConfigDirectory();

struct DriveChoice {
  DriveMap drives;
  std::string origin;  // where the mapping came from, for messages
  bool created_default = false;
};

// The drive mapping, from the first source that has one: the given
// assignments, $KELVAD_DRIVES, then on Windows the system's own drives (each
// letter mapped to its root, "c:/"), elsewhere the Wine prefix, else drive C
// on a per-user directory.
DriveChoice ChooseDrives(const std::vector<std::pair<char, std::string>>& assignments);

}  // namespace kelvad
