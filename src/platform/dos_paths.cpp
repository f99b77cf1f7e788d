#include "platform/dos_paths.h"

#include <algorithm>
#include <vector>

#include "platform/errors.h"
#include "platform/windows_system.h"

namespace kelvad {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

namespace {

std::vector<std::string> SplitComponents(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool IsDriveLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "c:/": the root of a drive as a host path.
bool IsDriveRoot(const std::string& host_dir) {
  return host_dir.size() == 3 && IsDriveLetter(host_dir[0]) && host_dir[1] == ':' && host_dir[2] == '/';
}

}  // namespace

DosDrives::DosDrives(FileSystem& fs, std::map<char, std::string> roots, char current_drive)
    : fs_(fs), current_drive_(LowerAscii(current_drive)) {
  for (auto& [letter, dir] : roots) Map(letter, dir);
}

void DosDrives::Map(char letter, const std::string& host_dir) {
  std::string root = host_dir;
#ifdef _WIN32
  // Windows takes either separator; keeping to one lets the host paths be
  // split and joined in one way.
  std::replace(root.begin(), root.end(), '\\', '/');
  if (root.size() == 2 && root[1] == ':') root += '/';
#endif
  while (root.size() > 1 && root.back() == '/' && !IsDriveRoot(root)) root.pop_back();
  roots_[LowerAscii(letter)] = root;
}

bool DosDrives::IsMapped(char letter) const { return roots_.count(LowerAscii(letter)) != 0; }

DriveType DosDrives::TypeOf(char letter) const {
  auto it = roots_.find(LowerAscii(letter));
  if (it == roots_.end()) return DriveType::kNoRootDir;
#ifdef _WIN32
  // A real drive has the type Windows gives it; a directory standing in for
  // a drive is a fixed disk.
  if (EqualsIgnoringCase(it->second, std::string(1, letter) + ":/")) {
    return static_cast<DriveType>(SystemDriveType(LowerAscii(letter)));
  }
#endif
  return DriveType::kFixed;
}

std::string DosDrives::RootOf(char letter) const {
  auto it = roots_.find(LowerAscii(letter));
  if (it == roots_.end()) {
    throw Error(std::string("Device unavailable: drive ") + static_cast<char>(LowerAscii(letter)) +
                ": is not mapped to a directory");
  }
  return it->second;
}

void DosDrives::SetCurrentDrive(char letter) {
  RootOf(letter);
  current_drive_ = LowerAscii(letter);
}

std::string DosDrives::CurrentDirectory(char letter) const {
  auto it = current_dirs_.find(LowerAscii(letter));
  return it == current_dirs_.end() ? "\\" : it->second;
}

DosDrives::Parsed DosDrives::Parse(std::string_view dos_path) const {
  Parsed parsed{current_drive_, ""};
  std::string_view rest = dos_path;
  if (rest.size() >= 2 && rest[1] == ':' && IsDriveLetter(rest[0])) {
    parsed.drive = LowerAscii(rest[0]);
    rest.remove_prefix(2);
  }
  std::vector<std::string> parts;
  if (rest.empty() || (rest[0] != '\\' && rest[0] != '/')) {
    parts = SplitComponents(CurrentDirectory(parsed.drive));
  }
  for (auto& part : SplitComponents(rest)) {
    if (part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  for (auto& part : parts) parsed.absolute += "\\" + part;
  if (parsed.absolute.empty()) parsed.absolute = "\\";
  return parsed;
}

void DosDrives::SetCurrentDirectory(std::string_view dos_path) {
  Parsed parsed = Parse(dos_path);
  if (fs_.Stat(Resolve(dos_path)) != EntryKind::kDirectory) {
    throw Error("Path not found: " + std::string(1, parsed.drive) + ":" + parsed.absolute);
  }
  current_dirs_[parsed.drive] = parsed.absolute;
}

std::string DosDrives::Resolve(std::string_view dos_path) const {
  Parsed parsed = Parse(dos_path);
  std::string host = RootOf(parsed.drive);
  bool exists = true;
  for (auto& part : SplitComponents(parsed.absolute)) {
    std::string next = JoinPath(host, part);
    if (!exists) {
      // Nothing below a missing entry exists either.
    } else if (auto made = made_dirs_.find(host); made != made_dirs_.end()) {
      // What is in a directory we made, we made: no need to ask the disk.
      auto entry = made->second.find(LowerAscii(part));
      if (entry == made->second.end()) {
        exists = false;
      } else {
        next = JoinPath(host, entry->second);
      }
    } else if (fs_.Stat(next) == EntryKind::kNone) {
      std::string match;
      for (auto& name : fs_.List(host)) {
        if (EqualsIgnoringCase(name, part)) {
          match = name;
          break;
        }
      }
      if (match.empty()) {
        exists = false;
      } else {
        next = JoinPath(host, match);
      }
    }
    host = next;
  }
  return host;
}

void DosDrives::Made(const std::string& host) {
  auto parent = made_dirs_.find(ParentPath(host));
  if (parent == made_dirs_.end()) return;
  const std::string name = host.substr(host.find_last_of('/') + 1);
  parent->second.emplace(LowerAscii(name), name);
}

void DosDrives::MakeDirectory(std::string_view dos_path) {
  const std::string host = Resolve(dos_path);
  fs_.MakeDirectory(host);
  made_dirs_[host];
  Made(host);
}

void DosDrives::WriteFile(std::string_view dos_path, std::string_view bytes) {
  const std::string host = Resolve(dos_path);
  fs_.Write(host, bytes);
  Made(host);
}

std::unique_ptr<OutputStream> DosDrives::OpenFile(std::string_view dos_path) {
  const std::string host = Resolve(dos_path);
  std::unique_ptr<OutputStream> stream = fs_.Open(host);
  Made(host);
  return stream;
}

std::string DosDrives::ReadFile(std::string_view dos_path) const { return fs_.Read(Resolve(dos_path)); }

bool DosDrives::Exists(std::string_view dos_path) const {
  if (!IsMapped(Parse(dos_path).drive)) return false;
  return fs_.Stat(Resolve(dos_path)) != EntryKind::kNone;
}

std::string DosDrives::StoredName(std::string_view dos_path) const {
  if (!IsMapped(Parse(dos_path).drive)) return "";
  std::string host = Resolve(dos_path);
  // Whatever it is, a name that is not a directory is there; reading it is another matter.
  EntryKind kind = fs_.Stat(host);
  if (kind == EntryKind::kNone || kind == EntryKind::kDirectory) return "";
  // Read from the directory listing: a file system that ignores case finds
  // "epochelp.dot" when asked for "EPOCHELP.DOT" and would echo the name asked for.
  const std::string asked = host.substr(host.find_last_of('/') + 1);
  std::string stored;
  for (const std::string& name : fs_.List(ParentPath(host))) {
    if (name == asked) return name;
    if (stored.empty() && EqualsIgnoringCase(name, asked)) stored = name;
  }
  return stored.empty() ? asked : stored;
}

}  // namespace kelvad
