#include "model/project_name.h"

#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "platform/errors.h"

namespace kelvad {

namespace {

bool IsDeviceName(const std::string& name) {
  // Windows treats "CON.txt" as the device too.
  std::string base = UpperAscii(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (base == device) return true;
  }
  if (base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) && base[3] >= '1' &&
      base[3] <= '9') {
    return true;
  }
  return false;
}

}  // namespace

std::string ProjectNameProblem(const std::string& name) {
  if (name.empty()) return "The project name is empty.";
  if (name == "." || name == "..") return "The project name " + Shown(name) + " is not a directory name.";
  if (HasControlCharacter(name)) return "The project name contains a control character.";
  for (char c : name) {
    if (std::string("\\/:*?\"<>|").find(c) != std::string::npos) {
      return "The project name " + Shown(name) + " contains \"" + std::string(1, c) +
             "\", which a directory name cannot hold.";
    }
  }
  if (name.back() == '.' || name.back() == ' ') {
    return "The project name " + Shown(name) + " ends in a dot or a space, which Windows drops from directory names.";
  }
  if (IsDeviceName(name)) return "The project name " + Shown(name) + " is a DOS device name.";
  if (!FitsWindows1252(name)) {
    return "The project name " + Shown(name) + " has characters outside the Windows-1252 character set.";
  }
  return "";
}

bool ProjectEntryExists(const DosDrives& drives, char drive, const std::string& name) {
  return drives.Exists(std::string(1, drive) + ":\\" + name);
}

}  // namespace kelvad
