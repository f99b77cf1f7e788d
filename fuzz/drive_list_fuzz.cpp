// KELVAD_DRIVES ("c=DIR;d=DIR") and each "--drive X=DIR" are typed by the
// user. A list is read whole or refused with an Error, and every drive it
// maps can be used at once.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/drive_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  const std::string text(fuzz::Bytes(data, size));

  if (auto assignment = ParseDriveAssignment(text)) {
    if (assignment->first < 'a' || assignment->first > 'z') fuzz::Broken("a drive letter outside a to z");
    if (assignment->second.empty() || assignment->second != text.substr(2)) fuzz::Broken("the directory is not the rest");
  }

  DriveMap drives;
  try {
    drives = ParseDriveList(text);
  } catch (const Error&) {
    return 0;
  }
  MemoryFileSystem fs;
  for (const auto& [letter, dir] : drives) {
    if (letter < 'a' || letter > 'z') fuzz::Broken("a drive letter outside a to z");
    if (dir.empty() || dir.find(';') != std::string::npos) fuzz::Broken("a directory that is empty or holds ';'");
  }
  DosDrives dos(fs, drives);
  for (const auto& [letter, dir] : drives) {
    if (!dos.IsMapped(letter) || dos.TypeOf(letter) != DriveType::kFixed) fuzz::Broken("a listed drive is not mapped");
    const std::string root = dos.Resolve(std::string(1, letter) + ":\\");
    const std::string file = dos.Resolve(std::string(1, letter) + ":\\ProjectX\\ebld.bat");
    if (file.compare(0, root.size(), root) != 0) fuzz::Broken("a path on a drive resolves outside its root");
    dos.SetCurrentDrive(letter);
  }
  return 0;
}
