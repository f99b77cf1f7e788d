#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace kelvad {

// Reads through to a base file system and keeps every change to itself, so
// a build run into it sees the real drives (the help template, the shipped
// icons, names already taken) and writes nothing to them.
class OverlayFileSystem : public FileSystem {
 public:
  explicit OverlayFileSystem(const FileSystem& base) : base_(base) {}

  EntryKind Stat(const std::string& path) const override;
  std::vector<std::string> List(const std::string& dir) const override;
  void MakeDirectory(const std::string& path) override;
  std::string ReadPrefix(const std::string& path, std::size_t max_bytes) const override;
  void Write(const std::string& path, std::string_view bytes) override;
  void Replace(const std::string& path, std::string_view bytes) override;
  void Remove(const std::string& path) override;
  // Nothing here is seen by another process.
  std::unique_ptr<FileLock> Lock(const std::string&) override { return std::make_unique<FileLock>(); }
  void CheckWritable(const std::string& dir) const override;
  PathLimits Limits(const std::string& dir) const override { return base_.Limits(dir); }

  // The files written, in the order they were first written.
  const std::vector<std::string>& Written() const { return order_; }
  // Directories made, in the order they were made.
  const std::vector<std::string>& Made() const { return made_; }

 private:
  const FileSystem& base_;
  std::map<std::string, std::string> files_;
  std::set<std::string> dirs_;
  std::set<std::string> removed_;  // base files removed here
  std::vector<std::string> order_;
  std::vector<std::string> made_;
};

}  // namespace kelvad
