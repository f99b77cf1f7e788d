#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kelvad {

// Windows drive types as GetDriveTypeA reports them.
enum class DriveType { kUnknown = 0, kNoRootDir = 1, kRemovable = 2, kFixed = 3, kRemote = 4, kCdRom = 5 };

// The DOS view of the file system: drive letters, a current drive with a
// current directory per drive, and paths such as "c:\ProjectX\GUI" or
// "\ProjectX\help" (on the current drive). Each drive letter maps to a host
// directory; path components that exist are matched ignoring case, as the
// Windows file system does, so "\help\documents" reaches "Help\Documents".
class DosDrives {
 public:
  DosDrives(FileSystem& fs, std::map<char, std::string> roots, char current_drive = 'c');

  FileSystem& fs() { return fs_; }
  const FileSystem& fs() const { return fs_; }
  void Map(char letter, const std::string& host_dir);
  const std::map<char, std::string>& roots() const { return roots_; }
  bool IsMapped(char letter) const;
  DriveType TypeOf(char letter) const;

  char CurrentDrive() const { return current_drive_; }
  // Fails on a drive that is not mapped, as ChDrive does.
  void SetCurrentDrive(char letter);
  // A path on one drive, absolute or relative to that drive's current directory.
  void SetCurrentDirectory(std::string_view dos_path);
  std::string CurrentDirectory(char letter) const;

  // The host path of a DOS path; fails on a drive that is not mapped.
  std::string Resolve(std::string_view dos_path) const;

  void MakeDirectory(std::string_view dos_path);
  void WriteFile(std::string_view dos_path, std::string_view bytes);
  std::unique_ptr<OutputStream> OpenFile(std::string_view dos_path);
  std::string ReadFile(std::string_view dos_path) const;
  bool Exists(std::string_view dos_path) const;
  // The name of the file as stored, or empty when there is none (the file
  // test of the drive scan).
  std::string StoredName(std::string_view dos_path) const;

 private:
  struct Parsed {
    char drive;
    std::string absolute;  // "\"-separated, starting with "\"
  };
  Parsed Parse(std::string_view dos_path) const;
  std::string RootOf(char letter) const;

  FileSystem& fs_;
  std::map<char, std::string> roots_;
  char current_drive_;
  std::map<char, std::string> current_dirs_;
  // The directories made through this object, each with the entries made in
  // it since (lower-cased name to name as made). Paths below them are
  // resolved from these alone, without asking the disk about each of their
  // components and reading the listing of the directory of every new file;
  // a build writes nowhere else than where it made its directories.
  std::map<std::string, std::map<std::string, std::string>> made_dirs_;
  void Made(const std::string& host);
};

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kelvad
