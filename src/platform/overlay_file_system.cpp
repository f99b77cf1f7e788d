#include "platform/overlay_file_system.h"

#include <algorithm>

#include "platform/errors.h"

namespace kelvad {

EntryKind OverlayFileSystem::Stat(const std::string& path) const {
  if (dirs_.count(path)) return EntryKind::kDirectory;
  if (files_.count(path)) return EntryKind::kFile;
  if (removed_.count(path)) return EntryKind::kNone;
  return base_.Stat(path);
}

std::vector<std::string> OverlayFileSystem::List(const std::string& dir) const {
  std::set<std::string> names;
  for (const std::string& name : base_.List(dir)) {
    if (!removed_.count(JoinPath(dir, name))) names.insert(name);
  }
  auto collect = [&](const std::string& path) {
    if (ParentPath(path) == dir) names.insert(path.substr(path.find_last_of('/') + 1));
  };
  for (const auto& d : dirs_) collect(d);
  for (const auto& [path, bytes] : files_) collect(path);
  return {names.begin(), names.end()};
}

void OverlayFileSystem::MakeDirectory(const std::string& path) {
  if (Stat(path) != EntryKind::kNone) throw Error("Path/File access error: " + path + " already exists");
  if (Stat(ParentPath(path)) != EntryKind::kDirectory) {
    throw Error("Path not found: cannot create the directory " + path);
  }
  dirs_.insert(path);
  made_.push_back(path);
}

std::string OverlayFileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  if (auto it = files_.find(path); it != files_.end()) return it->second.substr(0, max_bytes);
  if (dirs_.count(path)) throw Error(path + " is a directory, not a file");
  if (removed_.count(path)) throw Error("File not found: " + path);
  return base_.ReadPrefix(path, max_bytes);
}

void OverlayFileSystem::Write(const std::string& path, std::string_view bytes) {
  if (Stat(ParentPath(path)) != EntryKind::kDirectory) throw Error("Path/File access error: cannot create " + path);
  if (Stat(path) == EntryKind::kDirectory) throw Error("Path/File access error: " + path + " is a directory");
  if (!files_.count(path)) order_.push_back(path);
  files_[path] = std::string(bytes);
  removed_.erase(path);
}

void OverlayFileSystem::Remove(const std::string& path) {
  if (files_.erase(path)) {
    order_.erase(std::remove(order_.begin(), order_.end(), path), order_.end());
  } else if (base_.Stat(path) == EntryKind::kFile && !removed_.count(path)) {
    removed_.insert(path);
  } else {
    throw Error("Cannot delete " + path);
  }
}

void OverlayFileSystem::Replace(const std::string& path, std::string_view bytes) { Write(path, bytes); }

void OverlayFileSystem::CheckWritable(const std::string& dir) const {
  if (dirs_.count(dir)) return;
  base_.CheckWritable(dir);
}

}  // namespace kelvad
