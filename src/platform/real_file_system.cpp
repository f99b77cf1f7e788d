#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/errors.h"
#include "platform/file_system.h"

#ifdef _WIN32
#include <windows.h>

#include <thread>

#include "platform/windows_system.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kelvad {

namespace fs = std::filesystem;

namespace {

// A failed system call's error: the kind of failure first, as the program's
// messages start, then what was being done and the system's reason.
#ifdef _WIN32
using SystemCode = DWORD;
SystemCode LastCode() { return GetLastError(); }
bool IsMissing(SystemCode c) { return c == ERROR_FILE_NOT_FOUND || c == ERROR_PATH_NOT_FOUND; }
bool IsDiskFailure(SystemCode c) { return c == ERROR_DISK_FULL || c == ERROR_HANDLE_DISK_FULL || c == ERROR_CRC; }
bool IsTaken(SystemCode c) { return c == ERROR_ALREADY_EXISTS || c == ERROR_FILE_EXISTS; }
std::string ReasonOf(SystemCode c) { return SystemErrorText(c); }
#else
using SystemCode = int;
SystemCode LastCode() { return errno; }
bool IsMissing(SystemCode c) { return c == ENOENT; }
bool IsDiskFailure(SystemCode c) { return c == ENOSPC || c == EDQUOT || c == EIO; }
std::string ReasonOf(SystemCode c) { return SystemReason(c); }
#endif

// missing_kind names a failure for a path that is not there: "File not
// found" for what is read, "Path not found" for what is made in a directory.
Error Failure(const char* missing_kind, const std::string& action, const std::string& path, SystemCode code) {
  const char* kind = IsMissing(code) ? missing_kind : IsDiskFailure(code) ? "Device I/O error" : "Path/File access error";
  return Error(std::string(kind) + ": " + action + " " + ShownPath(path) + ": " + ReasonOf(code));
}

Error NotRegular(const std::string& path, const char* what) {
  return Error(ShownPath(path) + " is " + what + ", not a regular file");
}

Error NotADirectory(const std::string& path) {
  return Error("Path/File access error: " + ShownPath(path) + " is not a directory");
}

// A name no other run and no file of the user's can have, for the file a
// replacement is written to.
std::string TemporaryName(const std::string& path) {
  static thread_local std::mt19937_64 random = [] {
    std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      seed ^= std::random_device{}();
    } catch (...) {
    }
    return std::mt19937_64(seed);
  }();
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 10; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
  return path + ".kelvad-" + suffix;
}

constexpr int kTemporaryNameAttempts = 100;

#ifdef _WIN32

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (ok()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  // Closes now, for the callers that must know it worked.
  bool Close() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return CloseHandle(h) != 0;
  }

 private:
  HANDLE h_;
};

const char* NotDiskFile(HANDLE h) {
  switch (GetFileType(h)) {
    case FILE_TYPE_DISK: return nullptr;
    case FILE_TYPE_PIPE: return "a pipe";
    case FILE_TYPE_CHAR: return "a device";
    default: return "not a file on a disk";
  }
}

void WriteAll(HANDLE h, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data(), chunk, &written, nullptr)) throw Failure("Path not found", "cannot write", path, LastCode());
    bytes.remove_prefix(written);
  }
}

using File = Handle;

// Opens for writing, emptied; anything but a file on a disk is refused.
HANDLE OpenForWriting(const std::string& path) {
  HANDLE h = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw Failure("Path not found", "cannot create", path, LastCode());
  if (const char* what = NotDiskFile(h)) {
    CloseHandle(h);
    throw NotRegular(path, what);
  }
  return h;
}

class WindowsLock : public FileLock {
 public:
  explicit WindowsLock(HANDLE h) : h_(h) {}
  ~WindowsLock() override {
    OVERLAPPED at{};
    UnlockFileEx(h_, 0, MAXDWORD, MAXDWORD, &at);
    CloseHandle(h_);
  }

 private:
  HANDLE h_;
};

#else

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  bool ok() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Closes now, for the callers that must know it worked; the descriptor is
  // gone afterwards whatever close said.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

const char* NotRegularKind(mode_t mode) {
  if (S_ISREG(mode)) return nullptr;
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Failure("Path not found", "cannot write", path, errno);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

using File = Descriptor;

// Opens for writing, emptied, without following a link and without waiting
// on a FIFO that no one reads; anything but a regular file is refused.
int OpenForWriting(const std::string& path) {
  int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) throw Failure("Path not found", "cannot create", path, errno);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    throw NotRegular(path, NotRegularKind(st.st_mode));
  }
  return fd;
}

class PosixLock : public FileLock {
 public:
  explicit PosixLock(int fd) : fd_(fd) {}
  ~PosixLock() override { close(fd_); }

 private:
  int fd_;
};

#endif

}  // namespace

#ifdef _WIN32

std::vector<std::string> RealFileSystem::List(const std::string& dir) const {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(HostPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(Utf8Path(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

EntryKind RealFileSystem::Stat(const std::string& path) const {
  DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kNone;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::kDirectory : EntryKind::kFile;
}

void RealFileSystem::MakeDirectory(const std::string& path) {
  if (CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr)) return;
  SystemCode code = LastCode();
  if (IsTaken(code)) throw Error("Path/File access error: " + ShownPath(path) + " already exists");
  throw Failure("Path not found", "cannot create the directory", path, code);
}

std::string RealFileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  const std::wstring wide = WideFromUtf8(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure("File not found", "cannot read", path, LastCode());
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) throw NotRegular(path, "a directory");
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) throw Failure("File not found", "cannot read", path, LastCode());
  if (const char* what = NotDiskFile(file.get())) throw NotRegular(path, what);
  std::string bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size)) bytes.reserve(std::min<std::size_t>(max_bytes, size.QuadPart));
  char buffer[65536];
  while (bytes.size() < max_bytes) {
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, max_bytes - bytes.size()));
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, want, &got, nullptr)) throw Failure("File not found", "cannot read", path, LastCode());
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

void RealFileSystem::Replace(const std::string& path, std::string_view bytes) {
  std::string temp;
  std::wstring wide_temp;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int attempt = 0; h == INVALID_HANDLE_VALUE; ++attempt) {
    temp = TemporaryName(path);
    wide_temp = WideFromUtf8(temp);
    h = CreateFileW(wide_temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && (!IsTaken(LastCode()) || attempt == kTemporaryNameAttempts)) {
      throw Failure("Path not found", "cannot create a file beside", path, LastCode());
    }
  }
  Handle file(h);
  try {
    WriteAll(file.get(), bytes, temp);
    if (!FlushFileBuffers(file.get())) throw Failure("Path not found", "cannot write", temp, LastCode());
    if (!file.Close()) throw Failure("Path not found", "cannot write", temp, LastCode());
    // A reader or a virus scanner that has the old file open without
    // sharing its deletion holds the rename up for a moment.
    const std::wstring wide_path = WideFromUtf8(path);
    for (int attempt = 0;; ++attempt) {
      if (MoveFileExW(wide_temp.c_str(), wide_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
      SystemCode code = LastCode();
      if ((code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION) || attempt == 20) {
        throw Failure("Path not found", "cannot replace", path, code);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  } catch (...) {
    if (file.ok()) file.Close();
    DeleteFileW(wide_temp.c_str());
    throw;
  }
}

void RealFileSystem::Remove(const std::string& path) {
  if (!DeleteFileW(WideFromUtf8(path).c_str())) throw Failure("File not found", "cannot delete", path, LastCode());
}

std::unique_ptr<FileLock> RealFileSystem::Lock(const std::string& path) {
  HANDLE h = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw Failure("Path not found", "cannot open the lock file", path, LastCode());
  OVERLAPPED at{};
  if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &at)) {
    SystemCode code = LastCode();
    CloseHandle(h);
    throw Failure("Path not found", "cannot lock", path, code);
  }
  return std::make_unique<WindowsLock>(h);
}

void RealFileSystem::CheckWritable(const std::string& dir) const {
  DWORD attributes = GetFileAttributesW(WideFromUtf8(dir).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure("Path not found", "cannot write in", dir, LastCode());
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) throw NotADirectory(dir);
}

// Without the long-path prefix, which the program does not use, Windows
// keeps paths under MAX_PATH and a directory room for an 8.3 name below it.
PathLimits RealFileSystem::Limits(const std::string&) const { return {255, MAX_PATH - 1, MAX_PATH - 13, "characters"}; }

void MakePrivateDirectories(const std::string& path) {
  // %APPDATA% and %LOCALAPPDATA% are the user's own already.
  std::error_code ec;
  fs::create_directories(HostPath(path), ec);
  if (ec) throw Error("Path/File access error: cannot create the directory " + ShownPath(path) + ": " + ec.message());
}

#else

// Every path a build writes is looked up first, each of its directories and
// the directory's entries: the system calls are made directly, without the
// path objects of the standard library, which cost more than the calls.
EntryKind RealFileSystem::Stat(const std::string& path) const {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return EntryKind::kNone;
  if (S_ISREG(st.st_mode)) return EntryKind::kFile;
  return S_ISDIR(st.st_mode) ? EntryKind::kDirectory : EntryKind::kOther;
}

std::vector<std::string> RealFileSystem::List(const std::string& dir) const {
  std::vector<std::string> names;
  DIR* stream = opendir(dir.c_str());
  if (!stream) return names;
  while (const dirent* entry = readdir(stream)) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  closedir(stream);
  std::sort(names.begin(), names.end());
  return names;
}

void RealFileSystem::MakeDirectory(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0) return;
  if (errno == EEXIST) throw Error("Path/File access error: " + ShownPath(path) + " already exists");
  throw Failure("Path not found", "cannot create the directory", path, errno);
}

std::string RealFileSystem::ReadPrefix(const std::string& path, std::size_t max_bytes) const {
  // Looked at before it is opened: opening a FIFO waits for a writer, and
  // opening some devices does something.
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) throw Failure("File not found", "cannot read", path, errno);
  if (const char* what = NotRegularKind(st.st_mode)) throw NotRegular(path, what);
  Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.ok()) throw Failure("File not found", "cannot read", path, errno);
  // It may have been swapped for something else in between.
  if (fstat(file.get(), &st) != 0) throw Failure("File not found", "cannot read", path, errno);
  if (const char* what = NotRegularKind(st.st_mode)) throw NotRegular(path, what);
  std::string bytes;
  bytes.reserve(std::min<std::size_t>(max_bytes, static_cast<std::size_t>(st.st_size) + 1));
  char buffer[65536];
  while (bytes.size() < max_bytes) {
    ssize_t n = read(file.get(), buffer, std::min(sizeof buffer, max_bytes - bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Failure("File not found", "cannot read", path, errno);
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

void RealFileSystem::Replace(const std::string& path, std::string_view bytes) {
  std::string temp;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp = TemporaryName(path);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == kTemporaryNameAttempts)) {
      throw Failure("Path not found", "cannot create a file beside", path, errno);
    }
  }
  Descriptor file(fd);
  try {
    // A file the user has made private stays private.
    struct stat old {};
    if (lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(file.get(), old.st_mode & 07777);
    WriteAll(file.get(), bytes, temp);
    if (fsync(file.get()) != 0) throw Failure("Path not found", "cannot write", temp, errno);
    if (!file.Close()) throw Failure("Path not found", "cannot write", temp, errno);
    if (rename(temp.c_str(), path.c_str()) != 0) throw Failure("Path not found", "cannot replace", path, errno);
  } catch (...) {
    unlink(temp.c_str());
    throw;
  }
  // The rename itself reaches the disk once the directory does.
  const std::string dir = ParentPath(path).empty() ? "." : ParentPath(path);
  Descriptor directory(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.ok()) fsync(directory.get());
}

void RealFileSystem::Remove(const std::string& path) {
  if (unlink(path.c_str()) != 0) throw Failure("File not found", "cannot delete", path, errno);
}

std::unique_ptr<FileLock> RealFileSystem::Lock(const std::string& path) {
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) throw Failure("Path not found", "cannot open the lock file", path, errno);
  auto lock = std::make_unique<PosixLock>(fd);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw NotRegular(path, NotRegularKind(st.st_mode));
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) throw Failure("Path not found", "cannot lock", path, errno);
  }
  return lock;
}

void RealFileSystem::CheckWritable(const std::string& dir) const {
  struct stat st {};
  if (stat(dir.c_str(), &st) != 0) throw Failure("Path not found", "cannot write in", dir, errno);
  if (!S_ISDIR(st.st_mode)) throw NotADirectory(dir);
  if (access(dir.c_str(), W_OK | X_OK) != 0) throw Failure("Path not found", "cannot write in", dir, errno);
}

PathLimits RealFileSystem::Limits(const std::string& dir) const {
  PathLimits limits;
  long name_max = pathconf(dir.c_str(), _PC_NAME_MAX);
  if (name_max > 0) limits.name = static_cast<std::size_t>(name_max);
  // PATH_MAX counts the terminating zero.
  limits.file_path = limits.directory_path = PATH_MAX - 1;
  return limits;
}

void MakePrivateDirectories(const std::string& path) {
  if (path.empty()) return;
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return;
    throw NotADirectory(path);
  }
  const std::string parent = ParentPath(path);
  if (!parent.empty() && parent != path) MakePrivateDirectories(parent);
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    throw Failure("Path not found", "cannot create the directory", path, errno);
  }
}

#endif

namespace {

// Kept open from the start of a generated file to its end: one open instead
// of two, and no file emptied and written again, which ext4 flushes to the
// disk at once when it is closed.
class FileOutputStream : public OutputStream {
 public:
  explicit FileOutputStream(const std::string& path) : path_(path), file_(OpenForWriting(path)) {}

  void Finish(std::string_view bytes) override {
    WriteAll(file_.get(), bytes, path_);
    // Some file systems report a full disk only when the file is closed.
    if (!file_.Close()) throw Failure("Path not found", "cannot write", path_, LastCode());
  }

 private:
  std::string path_;
  File file_;
};

}  // namespace

std::unique_ptr<OutputStream> RealFileSystem::Open(const std::string& path) {
  return std::make_unique<FileOutputStream>(path);
}

void RealFileSystem::Write(const std::string& path, std::string_view bytes) { Open(path)->Finish(bytes); }

}  // namespace kelvad
