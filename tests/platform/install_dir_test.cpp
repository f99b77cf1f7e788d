#include "platform/install_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kelvad {
namespace {

namespace fs = std::filesystem;

class InstallDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("kelvad_install_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "prefix" / "bin");
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(InstallDirTest, AnInstalledCopyReadsShareBesideBin) {
  fs::create_directories(root / "prefix" / "bin" / "data");
  fs::create_directories(root / "prefix" / "share" / "kelvad");
  EXPECT_EQ(InstallationDirectory((root / "prefix" / "bin").string()), (root / "prefix" / "share" / "kelvad").string());
}

TEST_F(InstallDirTest, TheBuildTreeReadsDataBesideTheProgram) {
  fs::create_directories(root / "prefix" / "bin" / "data");
  // A file of that name is not an installation.
  fs::create_directories(root / "prefix" / "share");
  std::ofstream(root / "prefix" / "share" / "kelvad").put('x');
  EXPECT_EQ(InstallationDirectory((root / "prefix" / "bin").string()), (root / "prefix" / "bin" / "data").string());
  // Neither there: the build tree's place, for the message about what is missing.
  fs::remove_all(root / "prefix" / "bin" / "data");
  EXPECT_EQ(InstallationDirectory((root / "prefix" / "bin").string()), (root / "prefix" / "bin" / "data").string());
}

}  // namespace
}  // namespace kelvad
