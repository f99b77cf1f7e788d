#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace kelvad {
namespace {

namespace fs = std::filesystem;

// The host file system itself, in a scratch directory of its own.
class RealFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(root), fs::create_directories(root); }
  void TearDown() override { fs::remove_all(root); }

  std::string Slurp(const std::string& path) {
    std::ifstream in(HostPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  const fs::path root = fs::temp_directory_path() /
                        (std::string("kelvad_fs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string dir = Utf8Path(root);
  RealFileSystem real;
};

TEST_F(RealFiles, AnOpenedFileExistsEmptyAtOnceAndHoldsItsBytesWhenFinished) {
  const std::string file = JoinPath(dir, "engine.cpp");
  {
    std::ofstream(HostPath(file), std::ios::binary) << "an older project's file";
  }
  auto stream = real.Open(file);
  // Emptied when opened, as a generated file replaces an existing one.
  EXPECT_EQ(real.Stat(file), EntryKind::kFile);
  EXPECT_EQ(Slurp(file), "");
  stream->Finish("line 1\r\nline 2\r\n");
  EXPECT_EQ(Slurp(file), "line 1\r\nline 2\r\n");

  // A build abandoned while a file is open leaves that file as it was opened.
  const std::string abandoned = JoinPath(dir, "abandoned.cpp");
  real.Open(abandoned).reset();
  EXPECT_EQ(real.Stat(abandoned), EntryKind::kFile);
  EXPECT_EQ(Slurp(abandoned), "");
}

TEST_F(RealFiles, AFileThatCannotBeCreatedFailsWhenOpenedWithTheSystemsReason) {
  const std::string file = JoinPath(dir, "Missing/engine.cpp");
  try {
    real.Open(file);
    FAIL() << "opened " << file;
  } catch (const Error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find(file), std::string::npos) << what;
    EXPECT_NE(what.find(std::generic_category().message(ENOENT)), std::string::npos) << what;
  }
  EXPECT_THROW(real.Write(file, "x"), Error);
  EXPECT_THROW(real.Open(dir), Error);  // a directory
}

TEST_F(RealFiles, ListsNamesInOrderWithoutTheDirectoryItselfAndStatTellsFilesFromDirectories) {
  real.MakeDirectory(JoinPath(dir, "GUI"));
  real.Write(JoinPath(dir, "ebld.bat"), "");
  real.Write(JoinPath(dir, "AppUI.cpp"), "");
  EXPECT_EQ(real.List(dir), (std::vector<std::string>{"AppUI.cpp", "GUI", "ebld.bat"}));
  EXPECT_EQ(real.List(JoinPath(dir, "GUI")), std::vector<std::string>{});
  EXPECT_EQ(real.List(JoinPath(dir, "Nowhere")), std::vector<std::string>{});
  EXPECT_EQ(real.Stat(JoinPath(dir, "GUI")), EntryKind::kDirectory);
  EXPECT_EQ(real.Stat(JoinPath(dir, "ebld.bat")), EntryKind::kFile);
  EXPECT_EQ(real.Stat(JoinPath(dir, "gui")), fs::exists(root / "gui") ? EntryKind::kDirectory : EntryKind::kNone);
  EXPECT_EQ(real.Stat(JoinPath(dir, "Nowhere/x")), EntryKind::kNone);
}

}  // namespace
}  // namespace kelvad
