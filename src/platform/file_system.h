#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kelvad {

// kOther is whatever is neither: a FIFO, a device, a socket.
enum class EntryKind { kNone, kFile, kDirectory, kOther };

// What a whole-file read takes at most unless the caller says otherwise:
// every input of the program is far smaller, and beyond this a file is not
// one of them.
inline constexpr std::size_t kReadLimit = std::size_t{64} << 20;

// Held while an advisory lock on a file is held; destroying it releases it.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// The platform's limits on paths, in its own units (bytes of UTF-8 on
// Linux, UTF-16 units on Windows; see HostLength).
struct PathLimits {
  std::size_t name = 255;           // one component
  std::size_t file_path = 4095;     // a whole path to a file
  std::size_t directory_path = 4095;  // a whole path to a directory to be made
  const char* unit = "bytes";
};

// A file opened for output: created or emptied when it is opened, so that a
// path that cannot be written fails then, and given its bytes when it is
// finished. Destroyed unfinished, it stays as it was opened.
class OutputStream {
 public:
  virtual ~OutputStream() = default;
  // Writes the bytes and closes the file.
  virtual void Finish(std::string_view bytes) = 0;
};

// The host file system, addressed by host paths with '/' separators. Every
// failure throws kelvad::Error naming the path and, for a failed system
// call, the system's reason. Tests use MemoryFileSystem, which can be told
// to fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual EntryKind Stat(const std::string& path) const = 0;
  // Names of the entries of a directory; empty when it does not exist.
  virtual std::vector<std::string> List(const std::string& dir) const = 0;
  // Fails when the entry exists already or the parent does not.
  virtual void MakeDirectory(const std::string& path) = 0;
  // The one way an input is read: regular files only (a FIFO, a device or a
  // directory is refused at once, saying what it is, and never waited on),
  // at most max_bytes from the start. max_bytes 0 only checks that the file
  // can be read.
  virtual std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const = 0;
  // The whole file; fails when it holds more than limit bytes.
  std::string Read(const std::string& path, std::size_t limit = kReadLimit) const;
  // Creates a generated file or replaces one written earlier in the same
  // build; never writes through a link or into anything but a regular file.
  virtual void Write(const std::string& path, std::string_view bytes) = 0;
  // Creates the file or empties an existing one, to be finished later. By
  // default the file is written empty now and written again when finished.
  virtual std::unique_ptr<OutputStream> Open(const std::string& path);
  // The one way a file is replaced: readers find the old file or the new one
  // whole. The new bytes are written to a file of a unique name beside the
  // target, created afresh (never through a link, never over a file that is
  // there), flushed to the disk and renamed over the target; a failure
  // leaves the old file as it was and nothing beside it. A link in place of
  // the target is itself replaced, not what it points to.
  virtual void Replace(const std::string& path, std::string_view bytes) = 0;
  virtual void Remove(const std::string& path) = 0;
  // Waits until this process holds the advisory lock on the file (created
  // when missing, never through a link).
  virtual std::unique_ptr<FileLock> Lock(const std::string& path) = 0;
  // Fails unless the directory exists and entries can be made in it.
  virtual void CheckWritable(const std::string& dir) const = 0;
  virtual PathLimits Limits(const std::string& dir) const { (void)dir; return {}; }
};

class RealFileSystem : public FileSystem {
 public:
  EntryKind Stat(const std::string& path) const override;
  std::vector<std::string> List(const std::string& dir) const override;
  void MakeDirectory(const std::string& path) override;
  std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const override;
  void Write(const std::string& path, std::string_view bytes) override;
  // Keeps the file open until it is finished: one open instead of two, and
  // no file emptied and written again, which ext4 flushes to the disk at
  // once when it is closed.
  std::unique_ptr<OutputStream> Open(const std::string& path) override;
  void Replace(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) override;
  std::unique_ptr<FileLock> Lock(const std::string& path) override;
  void CheckWritable(const std::string& dir) const override;
  PathLimits Limits(const std::string& dir) const override;
};

// The user's files in the data directory (cmdlist.dat, kelvad.rtf) are
// replaced while holding the lock on kelvad.lock beside them, so that runs
// sharing the directory take turns.
void ReplaceDataFile(FileSystem& fs, const std::string& path, std::string_view bytes);

// Creates the directory and its missing parents for the user alone (mode
// 0700 where modes exist). Fails with the system's reason.
void MakePrivateDirectories(const std::string& path);

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  EntryKind Stat(const std::string& path) const override;
  std::vector<std::string> List(const std::string& dir) const override;
  void MakeDirectory(const std::string& path) override;
  std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const override;
  void Write(const std::string& path, std::string_view bytes) override;
  void Replace(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) override;
  std::unique_ptr<FileLock> Lock(const std::string& path) override;
  void CheckWritable(const std::string& dir) const override;
  PathLimits Limits(const std::string& dir) const override;

  // Creates the directory and its missing parents.
  void MakeDirectories(const std::string& path);
  // Every write, directory creation, removal or replacement whose path
  // contains this text fails from now on, as does CheckWritable.
  void FailOn(const std::string& path_part) { fail_on_.insert(path_part); }
  void SetLimits(const PathLimits& limits) { limits_ = limits; }
  // Files in creation order, for tests that check what a run produced.
  std::vector<std::string> Files() const;

 private:
  void CheckFailure(const std::string& path) const;
  void CheckParent(const std::string& path) const;
  std::map<std::string, std::string> files_;
  std::set<std::string> dirs_;
  std::vector<std::string> order_;
  std::set<std::string> fail_on_;
  PathLimits limits_;
};

// The parent of a host path; the parent of "c:/x" is the drive root "c:/",
// never "c:", which on Windows is that drive's current directory.
std::string ParentPath(const std::string& path);
std::string JoinPath(const std::string& dir, const std::string& name);

// Host paths are UTF-8 text. The standard library reads a narrow path in the
// ANSI code page on Windows, so every path goes through these two.
std::filesystem::path HostPath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

// The length of a host path or name in the units of PathLimits.
std::size_t HostLength(std::string_view utf8);

}  // namespace kelvad
