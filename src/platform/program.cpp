#include "platform/program.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/windows_system.h"

namespace kelvad {
namespace fs = std::filesystem;

std::string ProgramDirectory(const char* argv0) {
  std::error_code ec;
#ifdef _WIN32
  fs::path exe = HostPath(ModuleFileName());
  if (exe.empty()) exe = fs::absolute(HostPath(argv0 ? argv0 : ""), ec);
#else
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) exe = fs::absolute(argv0 ? argv0 : "", ec);
#endif
  return Utf8Path(exe.parent_path());
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> args = CommandLineArguments();
  if (!args.empty()) args.erase(args.begin());
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace kelvad
