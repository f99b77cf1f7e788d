#include "platform/drive_map.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/windows_system.h"

namespace kelvad {
namespace fs = std::filesystem;

std::optional<std::pair<char, std::string>> ParseDriveAssignment(const std::string& text) {
  if (text.size() < 3 || text[1] != '=') return std::nullopt;
  char letter = LowerAscii(text[0]);
  if (letter < 'a' || letter > 'z') return std::nullopt;
  return std::make_pair(letter, text.substr(2));
}

DriveMap ParseDriveList(const std::string& text) {
  DriveMap drives;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    std::string entry = text.substr(start, end - start);
    if (!entry.empty()) {
      auto assignment = ParseDriveAssignment(entry);
      if (!assignment) throw Error("KELVAD_DRIVES: \"" + entry + "\" is not of the form X=DIR");
      drives[assignment->first] = assignment->second;
    }
    start = end + 1;
  }
  return drives;
}

std::string WinePrefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.wine";
  return "";
}

DriveMap WineDrives(const std::string& prefix) {
  DriveMap drives;
  if (prefix.empty()) return drives;
  std::error_code ec;
  fs::path devices = fs::path(prefix) / "dosdevices";
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    fs::path link = devices / (std::string(1, letter) + ":");
    if (!fs::is_symlink(link, ec)) continue;
    fs::path target = fs::canonical(link, ec);
    if (ec || !fs::is_directory(target, ec)) continue;
    drives[letter] = target.string();
  }
  return drives;
}

namespace {

// Only a directory that is the user's own will do: the files found there are
// trusted and the project written there is the user's. A shared place such
// as the temporary directory would let anyone plant or take them.
std::string UserDirectory(const char* xdg_variable, const char* fallback, const char* windows_variable) {
  std::string base;
#ifdef _WIN32
  (void)xdg_variable;
  (void)fallback;
  base = EnvironmentValue(windows_variable);
  if (base.empty() || !HostPath(base).is_absolute()) {
    throw Error(std::string("there is no per-user directory: %") + windows_variable +
                "% is not set; name the drive with --drive X=DIR and the data directory with --data-dir DIR");
  }
#else
  (void)windows_variable;
  // The base-directory rules ignore a relative XDG directory.
  const char* xdg = std::getenv(xdg_variable);
  const char* home = std::getenv("HOME");
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else if (home && home[0] == '/') {
    base = std::string(home) + "/" + fallback;
  } else {
    throw Error(std::string("there is no per-user directory: HOME is not set to an absolute path (nor ") +
                xdg_variable + "); name the drive with --drive X=DIR and the data directory with --data-dir DIR");
  }
#endif
  std::string dir = JoinPath(base, "kelvad");
  MakePrivateDirectories(dir);
  return dir;
}

}  // namespace

std::string UserDataDirectory() { return UserDirectory("XDG_DATA_HOME", ".local/share", "LOCALAPPDATA"); }
std::string UserConfigDirectory() { return UserDirectory("XDG_CONFIG_HOME", ".config", "APPDATA"); }

DriveChoice ChooseDrives(const std::vector<std::pair<char, std::string>>& assignments) {
  DriveChoice choice;
  if (!assignments.empty()) {
    for (auto& [letter, dir] : assignments) choice.drives[letter] = dir;
    choice.origin = "--drive";
    return choice;
  }
#ifdef _WIN32
  const std::string env = EnvironmentValue("KELVAD_DRIVES");
#else
  const char* raw = std::getenv("KELVAD_DRIVES");
  const std::string env = raw ? raw : "";
#endif
  if (!env.empty()) {
    choice.drives = ParseDriveList(env);
    choice.origin = "KELVAD_DRIVES";
    if (!choice.drives.empty()) return choice;
  }
#ifdef _WIN32
  // Windows has drive letters of its own; each letter is its own root.
  for (char letter : SystemDriveLetters()) choice.drives[letter] = std::string(1, letter) + ":/";
  choice.origin = "the system's drives";
  return choice;
#else
  choice.drives = WineDrives(WinePrefix());
  if (!choice.drives.empty()) {
    choice.origin = "the Wine prefix " + WinePrefix();
    return choice;
  }
  const std::string drive_c = JoinPath(UserDataDirectory(), "drive_c");
  std::error_code ec;
  choice.created_default = !fs::exists(drive_c, ec);
  MakePrivateDirectories(drive_c);
  choice.drives['c'] = drive_c;
  choice.origin = "the per-user drive C";
  return choice;
#endif
}

}  // namespace kelvad
