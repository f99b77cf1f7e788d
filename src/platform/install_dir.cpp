#include "platform/install_dir.h"

#include <filesystem>
#include <system_error>

namespace kelvad {

std::string InstallationDirectory(const std::string& program_dir) {
  namespace fs = std::filesystem;
  fs::path installed = (fs::path(program_dir) / ".." / "share" / "kelvad").lexically_normal();
  std::error_code ec;
  if (fs::is_directory(installed, ec)) return installed.string();
  return (fs::path(program_dir) / "data").string();
}

}  // namespace kelvad
