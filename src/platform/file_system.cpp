#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/errors.h"
#include "platform/windows_system.h"

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#endif

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

// Every path a build writes is looked up first, each of its directories
// and the directory's entries: on POSIX the system calls are made directly,
// without the path objects of the standard library, which cost more than
// the calls themselves.
#ifdef _WIN32
EntryKind RealFileSystem::Stat(const std::string& path) const {
  std::error_code ec;
  auto st = fs::status(HostPath(path), ec);
  if (ec || !fs::exists(st)) return EntryKind::kNone;
  return fs::is_directory(st) ? EntryKind::kDirectory : EntryKind::kFile;
}

std::vector<std::string> RealFileSystem::List(const std::string& dir) const {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(HostPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(Utf8Path(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}
#else
EntryKind RealFileSystem::Stat(const std::string& path) const {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return EntryKind::kNone;
  return S_ISDIR(st.st_mode) ? EntryKind::kDirectory : EntryKind::kFile;
}

std::vector<std::string> RealFileSystem::List(const std::string& dir) const {
  std::vector<std::string> names;
  DIR* stream = ::opendir(dir.c_str());
  if (!stream) return names;
  while (const dirent* entry = ::readdir(stream)) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(stream);
  std::sort(names.begin(), names.end());
  return names;
}
#endif

void RealFileSystem::MakeDirectory(const std::string& path) {
  if (Stat(path) != EntryKind::kNone) throw Error("Path/File access error: " + path + " already exists");
  std::error_code ec;
  if (!fs::create_directory(HostPath(path), ec) || ec) {
    throw Error("Path not found: cannot create the directory " + path +
                (ec ? " (" + ec.message() + ")" : ""));
  }
}

std::string RealFileSystem::Read(const std::string& path) const {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) throw Error("File not found: " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string RealFileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) throw Error("File not found: " + path);
  std::string bytes(max_bytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(max_bytes));
  if (in.bad()) throw Error("Device I/O error: cannot read " + path);
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

namespace {

// The reason the last failed call gave; the streams keep errno as the
// system left it.
std::string SystemReason() { return std::generic_category().message(errno); }

class RealOutputStream : public OutputStream {
 public:
  explicit RealOutputStream(const std::string& path) : path_(path) {
    errno = 0;
    out_.open(HostPath(path), std::ios::binary | std::ios::trunc);
    if (!out_) throw Error("Path/File access error: cannot create " + path_ + " (" + SystemReason() + ")");
  }

  void Finish(std::string_view bytes) override {
    errno = 0;
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out_.close();
    if (!out_) throw Error("Device I/O error: cannot write " + path_ + " (" + SystemReason() + ")");
  }

 private:
  std::string path_;
  std::ofstream out_;
};

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

std::unique_ptr<OutputStream> RealFileSystem::Open(const std::string& path) {
  return std::make_unique<RealOutputStream>(path);
}

void RealFileSystem::Write(const std::string& path, std::string_view bytes) { Open(path)->Finish(bytes); }

void RealFileSystem::Remove(const std::string& path) {
  std::error_code ec;
  if (!fs::remove(HostPath(path), ec) || ec) throw Error("Cannot delete " + path);
}

void RealFileSystem::Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(HostPath(from), HostPath(to), ec);
  if (ec) throw Error("Cannot rename " + from + " to " + to + " (" + ec.message() + ")");
}

void WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".new";
  try {
    fs.Write(temp, bytes);
    fs.Rename(temp, path);
  } catch (...) {
    try {
      if (fs.Stat(temp) == EntryKind::kFile) fs.Remove(temp);
    } catch (...) {
    }
    throw;
  }
}

std::string FileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  std::string bytes = Read(path);
  if (bytes.size() > max_bytes) bytes.resize(max_bytes);
  return bytes;
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
    if (path.find(part) != std::string::npos) throw Error("Device I/O error: cannot write " + path);
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

std::string MemoryFileSystem::Read(const std::string& path) const {
  auto it = files_.find(path);
  if (it == files_.end()) throw Error("File not found: " + path);
  return it->second;
}

void MemoryFileSystem::Write(const std::string& path, std::string_view bytes) {
  CheckFailure(path);
  CheckParent(path);
  if (dirs_.count(path)) throw Error("Path/File access error: " + path + " is a directory");
  if (!files_.count(path)) order_.push_back(path);
  files_[path] = std::string(bytes);
}

void MemoryFileSystem::Remove(const std::string& path) {
  CheckFailure(path);
  if (!files_.erase(path)) throw Error("File not found: " + path);
  order_.erase(std::remove(order_.begin(), order_.end(), path), order_.end());
}

void MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
  CheckFailure(to);
  auto it = files_.find(from);
  if (it == files_.end()) throw Error("File not found: " + from);
  std::string bytes = std::move(it->second);
  files_.erase(it);
  order_.erase(std::remove(order_.begin(), order_.end(), from), order_.end());
  if (!files_.count(to)) order_.push_back(to);
  files_[to] = std::move(bytes);
}

std::vector<std::string> MemoryFileSystem::Files() const { return order_; }

}  // namespace kelvad
