#include "support/headless_run.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include "platform/file_system.h"
#include "platform/windows_system.h"
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvad::testing {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32

// The program and the tests' argument text as a Windows command line. The
// text reads as a POSIX shell reads the tests' simple texts, so that the
// tests say the same thing on both systems: blanks separate and quotes group.
// A backslash stays as it is, since Windows paths are full of them; inside a
// group it is doubled before a quote, as CommandLineToArgvW and the C
// runtime read it back.
std::wstring CommandLine(const fs::path& program, const std::string& text) {
  std::wstring line = L"\"" + program.wstring() + L"\" ";
  const std::wstring wide = WideFromUtf8(text);
  for (size_t i = 0; i < wide.size(); ++i) {
    const wchar_t quote = wide[i];
    if (quote != L'\'' && quote != L'"') {
      line += quote;
      continue;
    }
    line += L'"';
    size_t backslashes = 0;
    for (++i; i < wide.size() && wide[i] != quote; ++i) {
      if (wide[i] == L'"') line.append(backslashes + 1, L'\\');
      backslashes = wide[i] == L'\\' ? backslashes + 1 : 0;
      line += wide[i];
    }
    line.append(backslashes, L'\\');
    line += L'"';
  }
  return line;
}

HANDLE OpenForChild(const fs::path& path, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  return CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A window station of this process's own with one desktop: not the
// interactive WinSta0, so nothing drawn there is ever seen. Its name, for
// STARTUPINFO's lpDesktop; empty when it cannot be made.
std::wstring HiddenDesktop() {
  static std::wstring name;
  if (!name.empty()) return name;
  const std::wstring station_name = L"kelvad-tests-" + std::to_wstring(_getpid());
  HWINSTA station = CreateWindowStationW(station_name.c_str(), 0, WINSTA_ALL_ACCESS, nullptr);
  if (!station) return L"";
  HWINSTA own = GetProcessWindowStation();
  bool made = false;
  if (SetProcessWindowStation(station)) {
    made = CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr) != nullptr;
    SetProcessWindowStation(own);
  }
  if (made) name = station_name + L"\\Default";
  return name;
}

int RunProgram(std::wstring line, const fs::path& out, const fs::path& err, bool hidden_desktop) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring desktop;
  if (hidden_desktop) {
    desktop = HiddenDesktop();
    if (desktop.empty()) return -1;
    startup.lpDesktop = desktop.data();
  }
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = OpenForChild(L"NUL", false);
  startup.hStdOutput = OpenForChild(out, true);
  startup.hStdError = OpenForChild(err, true);
  PROCESS_INFORMATION info{};
  DWORD status = static_cast<DWORD>(-1);
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    WaitForSingleObject(info.hProcess, INFINITE);
    GetExitCodeProcess(info.hProcess, &status);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
  return static_cast<int>(status);
}

// The console streams are text streams on Windows; the tests expect LF.
std::string WithoutCarriageReturns(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}

int ProcessId() { return _getpid(); }

#else

int ProcessId() { return ::getpid(); }

#endif

}  // namespace

void HeadlessRun::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  root = fs::temp_directory_path() /
         ("kelvad_run_" + std::to_string(ProcessId()) + "_" + test->test_suite_name() + "_" + test->name());
  fs::remove_all(root);
  fs::create_directories(root / "c");
  fs::create_directories(root / "data");
}

void HeadlessRun::TearDown() { fs::remove_all(root); }

RunOutcome HeadlessRun::Generate(const std::string& args) {
  return Run("generate --drive c=" + (root / "c").string() + " --data-dir " + (root / "data").string() + " " + args);
}

fs::path HeadlessRun::Program() {
#ifdef _WIN32
  // Built beside the tests.
  return HostPath(ModuleFileName()).parent_path() / "kelvad.exe";
#else
  return KELVAD_BINARY;
#endif
}

RunOutcome HeadlessRun::Run(const std::string& args, const std::string& env) { return RunAt(Program(), args, env); }

RunOutcome HeadlessRun::RunAt(const fs::path& program, const std::string& args, const std::string& env) {
  RunOutcome run;
#ifdef _WIN32
  (void)env;  // the variables tests remove are X11's and Qt's
  // A drive mapping of the person running the tests must not leak in.
  SetEnvironmentVariableW(L"KELVAD_DRIVES", nullptr);
  run.status = RunProgram(CommandLine(program, args), root / "out.txt", root / "err.txt", hidden_desktop);
  run.out = WithoutCarriageReturns(Read(root / "out.txt"));
  run.err = WithoutCarriageReturns(Read(root / "err.txt"));
#else
  std::string out = (root / "out.txt").string(), err = (root / "err.txt").string();
  // A drive mapping or home directory of the person running the tests must not leak in.
  std::string command = std::string("env -u KELVAD_DRIVES ") + env + " HOME=" + root.string() + " " + wrapper +
                        " " + program.string() + " " + args + " >" + out + " 2>" + err + " </dev/null";
  int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = Read(out);
  run.err = Read(err);
#endif
  return run;
}

std::string HeadlessRun::Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void HeadlessRun::Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace kelvad::testing
