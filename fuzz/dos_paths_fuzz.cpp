// DOS paths reach the drives from settings, descriptions and the SDK search.
// Each input line is one step: "d" and a letter changes the current drive,
// "c" and a path the current directory, "m" makes a directory, "w" writes a
// file, and any other line only looks the path up. Whatever the path, it
// resolves inside its drive's root, and what was made can be found again.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

namespace kelvad {
namespace {

bool Inside(const std::string& host, const std::string& root) {
  if (host == root) return true;
  const std::string prefix = root == "/" ? "/" : root + "/";
  return host.compare(0, prefix.size(), prefix) == 0;
}

void Step(MemoryFileSystem& fs, DosDrives& drives, char op, const std::string& path) {
  switch (op) {
    case 'd':
      if (!path.empty()) drives.SetCurrentDrive(path[0]);
      return;
    case 'c':
      drives.SetCurrentDirectory(path);
      if (drives.CurrentDirectory(drives.CurrentDrive()).rfind('\\', 0) != 0) {
        fuzz::Broken("a current directory that does not start at the root");
      }
      return;
    case 'm':
      drives.MakeDirectory(path);
      if (!drives.Exists(path) || fs.Stat(drives.Resolve(path)) != EntryKind::kDirectory) {
        fuzz::Broken("a directory just made is not found");
      }
      return;
    case 'w':
      drives.WriteFile(path, "x");
      if (drives.ReadFile(path) != "x" || drives.StoredName(path).empty()) fuzz::Broken("a file just written is not found");
      return;
    default:
      break;
  }
  std::string host;
  try {
    host = drives.Resolve(path);
  } catch (const Error&) {
    if (drives.Exists(path) || !drives.StoredName(path).empty()) fuzz::Broken("an unmapped path exists");
    return;
  }
  char drive = drives.CurrentDrive();
  if (path.size() >= 2 && path[1] == ':' && LowerAscii(path[0]) >= 'a' && LowerAscii(path[0]) <= 'z') {
    drive = LowerAscii(path[0]);
  }
  if (!Inside(host, drives.roots().at(drive))) {
    fuzz::Broken("\"" + path + "\" resolves to " + host + ", outside the root of its drive");
  }
  if (drives.Exists(path) != (fs.Stat(host) != EntryKind::kNone)) fuzz::Broken("Exists disagrees with the host");
  if (!drives.StoredName(path).empty() && fs.Stat(host) != EntryKind::kFile) fuzz::Broken("a stored name for no file");
}

}  // namespace
}  // namespace kelvad

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  MemoryFileSystem fs;
  fs.MakeDirectories("/c/ProjectX/GUI");
  fs.MakeDirectories("/c/Help/Documents");
  fs.MakeDirectories("/c/EPOC32");
  fs.MakeDirectories("/c/epoc32/release");
  fs.Write("/c/Help/Documents/ReadMe.txt", "r");
  fs.MakeDirectories("/d");
  DosDrives drives(fs, {{'c', "/c"}, {'D', "/d/"}, {'z', "/"}});
  for (const std::string& line : SplitLines(fuzz::Bytes(data, size))) {
    if (line.empty()) continue;
    try {
      Step(fs, drives, line[0], line.substr(1));
    } catch (const Error&) {
      // Refused as the program refuses it: an unmapped drive, a missing parent.
    }
  }
  return 0;
}
