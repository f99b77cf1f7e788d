#include "platform/file_system.h"

#include <algorithm>
#include <filesystem>

#include "platform/errors.h"
#include "platform/windows_system.h"

namespace kelvad {
namespace fs = std::filesystem;

std::string ParentPath(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, slash);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

#ifdef _WIN32
fs::path HostPath(const std::string& utf8) { return fs::path(WideFromUtf8(utf8)); }
std::string Utf8Path(const fs::path& path) { return Utf8FromWide(path.native()); }
#else
fs::path HostPath(const std::string& utf8) { return fs::path(utf8); }
std::string Utf8Path(const fs::path& path) { return path.string(); }
#endif

std::size_t HostLength(std::string_view utf8) {
#ifdef _WIN32
  return WideFromUtf8(utf8).size();
#else
  return utf8.size();
#endif
}

std::string FileSystem::Read(const std::string& path, std::size_t limit) const {
  std::string bytes = ReadPrefix(path, limit + 1);
  if (bytes.size() > limit) {
    const bool megabytes = limit >= (std::size_t{1} << 20);
    throw Error(ShownPath(path) + " is larger than " + std::to_string(megabytes ? limit >> 20 : limit >> 10) +
                (megabytes ? " MB" : " KB") + "; it is not read");
  }
  return bytes;
}

namespace {

class RewrittenOutputStream : public OutputStream {
 public:
  RewrittenOutputStream(FileSystem& fs, const std::string& path) : fs_(fs), path_(path) { fs_.Write(path_, ""); }
  void Finish(std::string_view bytes) override { fs_.Write(path_, bytes); }

 private:
  FileSystem& fs_;
  std::string path_;
};

}  // namespace

std::unique_ptr<OutputStream> FileSystem::Open(const std::string& path) {
  return std::make_unique<RewrittenOutputStream>(*this, path);
}

void ReplaceDataFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  std::unique_ptr<FileLock> lock = fs.Lock(JoinPath(ParentPath(path), "kelvad.lock"));
  fs.Replace(path, bytes);
}

MemoryFileSystem::MemoryFileSystem() { dirs_.insert("/"); }

EntryKind MemoryFileSystem::Stat(const std::string& path) const {
  if (dirs_.count(path)) return EntryKind::kDirectory;
  if (files_.count(path)) return EntryKind::kFile;
  return EntryKind::kNone;
}

std::vector<std::string> MemoryFileSystem::List(const std::string& dir) const {
  std::vector<std::string> names;
  auto collect = [&](const std::string& p) {
    if (p != "/" && ParentPath(p) == dir) names.push_back(p.substr(p.find_last_of('/') + 1));
  };
  for (const auto& d : dirs_) collect(d);
  for (const auto& [p, bytes] : files_) collect(p);
  std::sort(names.begin(), names.end());
  return names;
}

void MemoryFileSystem::CheckFailure(const std::string& path) const {
  for (const auto& part : fail_on_) {
    if (path.find(part) != std::string::npos) throw Error("Device I/O error: cannot write " + path + ": Input/output error");
  }
}

void MemoryFileSystem::CheckParent(const std::string& path) const {
  if (Stat(ParentPath(path)) != EntryKind::kDirectory) throw Error("Path not found: " + path);
}

void MemoryFileSystem::MakeDirectory(const std::string& path) {
  CheckFailure(path);
  if (Stat(path) != EntryKind::kNone) throw Error("Path/File access error: " + path + " already exists");
  CheckParent(path);
  dirs_.insert(path);
}

void MemoryFileSystem::MakeDirectories(const std::string& path) {
  if (path.empty() || Stat(path) == EntryKind::kDirectory) return;
  MakeDirectories(ParentPath(path));
  dirs_.insert(path);
}

std::string MemoryFileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  if (dirs_.count(path)) throw Error(path + " is a directory, not a file");
  auto it = files_.find(path);
  if (it == files_.end()) throw Error("File not found: " + path);
  return it->second.substr(0, max_bytes);
}

void MemoryFileSystem::Write(const std::string& path, std::string_view bytes) {
  CheckFailure(path);
  CheckParent(path);
  if (dirs_.count(path)) throw Error("Path/File access error: " + path + " is a directory");
  if (!files_.count(path)) order_.push_back(path);
  files_[path] = std::string(bytes);
}

// Nothing is ever half written here, so a replacement is a write that fails
// before it changes anything.
void MemoryFileSystem::Replace(const std::string& path, std::string_view bytes) { Write(path, bytes); }

void MemoryFileSystem::Remove(const std::string& path) {
  CheckFailure(path);
  if (!files_.erase(path)) throw Error("File not found: " + path);
  order_.erase(std::remove(order_.begin(), order_.end(), path), order_.end());
}

std::unique_ptr<FileLock> MemoryFileSystem::Lock(const std::string& path) {
  CheckFailure(path);
  return std::make_unique<FileLock>();
}

void MemoryFileSystem::CheckWritable(const std::string& dir) const {
  if (Stat(dir) != EntryKind::kDirectory) throw Error("Path not found: " + dir);
  CheckFailure(dir);
}

PathLimits MemoryFileSystem::Limits(const std::string&) const { return limits_; }

std::vector<std::string> MemoryFileSystem::Files() const { return order_; }

}  // namespace kelvad
