#include "platform/process.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/drive_map.h"
#include "platform/file_system.h"

#ifdef _WIN32
#include "platform/windows_system.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvad {
namespace fs = std::filesystem;

std::string FindProgram(const std::string& name) {
#ifdef _WIN32
  std::wstring found(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = SearchPathW(nullptr, WideFromUtf8(name).c_str(), L".exe", static_cast<DWORD>(found.size()),
                          found.data(), nullptr);
    if (n == 0) return "";
    if (n < found.size()) {
      found.resize(n);
      return Utf8FromWide(found);
    }
    found.resize(n);
  }
#else
  const char* path = std::getenv("PATH");
  if (!path) return "";
  std::string dirs = path;
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    fs::path candidate = fs::path(dirs.substr(start, end - start)) / name;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec) && access(candidate.c_str(), X_OK) == 0) return candidate.string();
    start = end + 1;
  }
  return "";
#endif
}

#ifdef _WIN32

namespace {

// One argument quoted so that CommandLineToArgvW gives it back unchanged:
// backslashes double only where a quote follows them.
std::wstring QuotedArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

}  // namespace

ReplaceFailure ReplaceProcess(const std::string& program, const std::vector<std::string>& args) {
  const std::wstring path = WideFromUtf8(program);
  std::wstring line = QuotedArgument(path);
  for (const auto& arg : args) line += L" " + QuotedArgument(WideFromUtf8(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  // Named outright: a GUI program (the wizard is one) is given the standard
  // handles only this way, and its messages belong where ours go.
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    DWORD error = GetLastError();
    bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing, SystemErrorText(error)};
  }
  CloseHandle(info.hThread);
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(info.hProcess, &status);
  CloseHandle(info.hProcess);
  std::exit(static_cast<int>(status));
}

StartOutcome SystemProcessStarter::Start(const StartRequest& request) {
  // The command line names DOS paths, which mean what the build meant only
  // when the project drive is the real drive and not a directory standing
  // in for it (--drive, KELVAD_DRIVES).
  const std::string own_root = std::string(1, request.drive) + ":/";
  std::error_code ec;
  if (!fs::equivalent(HostPath(request.drive_root), HostPath(own_root), ec)) {
    return {false, std::string("drive ") + request.drive + ": is mapped to " + request.drive_root +
                       ", not to the drive itself"};
  }
  std::wstring interpreter = WideFromUtf8(EnvironmentValue("ComSpec"));
  if (interpreter.empty()) interpreter = L"cmd.exe";
  // /A: what the script writes into its log comes in the ANSI code page, as
  // every generated file is written.
  std::wstring line = L"\"" + interpreter + L"\" /A /C " + WideFromUtf8(request.command_line);
  const std::wstring directory = HostPath(request.host_directory).make_preferred().native();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;  // minimized, and active
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      directory.c_str(), &startup, &info)) {
    return {false, "the command interpreter could not be started: " + SystemErrorText(GetLastError())};
  }
  // Never waited for: the build goes on after the program has ended.
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return {true, ""};
}

#else

ReplaceFailure ReplaceProcess(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  int error = errno;
  return {error == ENOENT, std::strerror(error)};
}

StartOutcome SystemProcessStarter::Start(const StartRequest& request) {
  std::string wine = FindProgram("wine");
  if (wine.empty()) return {false, "Wine is not installed, so no Windows command interpreter is available"};
  DriveMap wine_drives = WineDrives(WinePrefix());
  std::error_code ec;
  auto it = wine_drives.find(request.drive);
  if (it == wine_drives.end() ||
      !fs::equivalent(fs::path(it->second), fs::path(request.drive_root), ec)) {
    return {false, std::string("Wine does not map drive ") + request.drive + ": to " + request.drive_root};
  }
  // Detach twice so the build script outlives us and leaves no zombie.
  pid_t child = fork();
  if (child < 0) return {false, std::string("the process could not be created: ") + std::strerror(errno)};
  if (child == 0) {
    setsid();
    if (fork() != 0) _exit(0);
    if (chdir(request.host_directory.c_str()) != 0) _exit(127);
    int null_fd = open("/dev/null", O_RDWR);
    if (null_fd >= 0) {
      dup2(null_fd, 0);
      dup2(null_fd, 1);
      dup2(null_fd, 2);
    }
    execl(wine.c_str(), "wine", "cmd", "/c", request.command_line.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return {true, ""};
}

#endif

}  // namespace kelvad
