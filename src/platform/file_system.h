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

enum class EntryKind { kNone, kFile, kDirectory };

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
// failure throws kelvad::Error naming the path. Tests use MemoryFileSystem,
// which can be told to fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual EntryKind Stat(const std::string& path) const = 0;
  // Names of the entries of a directory; empty when it does not exist.
  virtual std::vector<std::string> List(const std::string& dir) const = 0;
  // Fails when the entry exists already or the parent does not.
  virtual void MakeDirectory(const std::string& path) = 0;
  virtual std::string Read(const std::string& path) const = 0;
  // At most max_bytes from the start of the file, for files that may be
  // absurdly large.
  virtual std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const;
  // Creates the file or replaces an existing one.
  virtual void Write(const std::string& path, std::string_view bytes) = 0;
  // Creates the file or empties an existing one, to be finished later. By
  // default the file is written empty now and written again when finished.
  virtual std::unique_ptr<OutputStream> Open(const std::string& path);
  virtual void Remove(const std::string& path) = 0;
  // Replaces an existing target in one step.
  virtual void Rename(const std::string& from, const std::string& to) = 0;
};

class RealFileSystem : public FileSystem {
 public:
  EntryKind Stat(const std::string& path) const override;
  std::vector<std::string> List(const std::string& dir) const override;
  void MakeDirectory(const std::string& path) override;
  std::string Read(const std::string& path) const override;
  std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const override;
  void Write(const std::string& path, std::string_view bytes) override;
  // Keeps the file open until it is finished: one open instead of two, and
  // no file emptied and written again, which ext4 flushes to the disk at
  // once when it is closed.
  std::unique_ptr<OutputStream> Open(const std::string& path) override;
  void Remove(const std::string& path) override;
  void Rename(const std::string& from, const std::string& to) override;
};

// Writes a file by writing a sibling and renaming it over the target, so a
// failure leaves the old file whole.
void WriteFileAtomically(FileSystem& fs, const std::string& path, std::string_view bytes);

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  EntryKind Stat(const std::string& path) const override;
  std::vector<std::string> List(const std::string& dir) const override;
  void MakeDirectory(const std::string& path) override;
  std::string Read(const std::string& path) const override;
  void Write(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) override;
  void Rename(const std::string& from, const std::string& to) override;

  // Creates the directory and its missing parents.
  void MakeDirectories(const std::string& path);
  // Every write, directory creation, removal or rename whose path contains
  // this text fails from now on.
  void FailOn(const std::string& path_part) { fail_on_.insert(path_part); }
  // Files in creation order, for tests that check what a run produced.
  std::vector<std::string> Files() const;

 private:
  void CheckFailure(const std::string& path) const;
  void CheckParent(const std::string& path) const;
  std::map<std::string, std::string> files_;
  std::set<std::string> dirs_;
  std::vector<std::string> order_;
  std::set<std::string> fail_on_;
};

// The parent of a host path; the parent of "c:/x" is the drive root "c:/",
// never "c:", which on Windows is that drive's current directory.
std::string ParentPath(const std::string& path);
std::string JoinPath(const std::string& dir, const std::string& name);

// Host paths are UTF-8 text. The standard library reads a narrow path in the
// ANSI code page on Windows, so every path goes through these two.
std::filesystem::path HostPath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

}  // namespace kelvad
