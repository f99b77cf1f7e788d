#include "platform/install_dir.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"

namespace kelvad {

std::string InstalledShareDirectory(const std::string& program_dir) {
  std::filesystem::path installed = (HostPath(program_dir) / ".." / "share" / "kelvad").lexically_normal();
  std::error_code ec;
  return std::filesystem::is_directory(installed, ec) ? Utf8Path(installed) : std::string();
}

std::string InstallationDirectory(const std::string& program_dir) {
  std::string installed = InstalledShareDirectory(program_dir);
  return installed.empty() ? Utf8Path(HostPath(program_dir) / "data") : installed;
}

}  // namespace kelvad
