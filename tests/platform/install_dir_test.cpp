#include "platform/install_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kelvad {
namespace {

namespace fs = std::filesystem;

TEST(InstallDir, InstalledCopyReadsShareBesideBinTheBuildTreeDataBesideTheProgram) {
  const fs::path root = fs::temp_directory_path() / ("kelvad_install_" + std::to_string(::getpid()));
  const std::string bin = (root / "bin").string(), data = (root / "bin" / "data").string();
  fs::remove_all(root);
  fs::create_directories(data);
  // A file of that name is not an installation.
  fs::create_directories(root / "share");
  std::ofstream(root / "share" / "kelvad").put('x');
  EXPECT_EQ(InstallationDirectory(bin), data);
  fs::remove(root / "share" / "kelvad");
  fs::create_directories(root / "share" / "kelvad");
  EXPECT_EQ(InstallationDirectory(bin), (root / "share" / "kelvad").string());
  // Neither there: the build tree's place, for the message about what is missing.
  fs::remove_all(root);
  EXPECT_EQ(InstallationDirectory(bin), data);
}

}  // namespace
}  // namespace kelvad
