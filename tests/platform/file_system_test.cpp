// The real file system against what a hostile neighbour or a second
// process can do to the files the program replaces and reads.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "resources/command_list.h"
#include "support/test_build.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvad {
namespace {

namespace fs = std::filesystem;
using testing::ErrorOf;
using testing::HostBytes;

class RealFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(root), fs::create_directories(root); }
  void TearDown() override { fs::remove_all(root); }
  std::string At(const std::string& name) const { return Utf8Path(root / name); }

  const fs::path root = fs::temp_directory_path() /
                        (std::string("kelvad_fs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string dir = Utf8Path(root);
  RealFileSystem real;
};

// A replaced file is written beside its target under a name of its own: a
// link planted where a fixed name would be, a file of the user's there, or a
// link in place of the target itself are never written through.
TEST_F(RealFiles, ReplacingWritesThroughNoLinkAndTouchesNoNeighbour) {
  std::ofstream(root / "precious") << "precious";
  std::ofstream(root / "notes.json.new") << "the user's own";
  bool links = true;
  std::error_code ec;
  fs::create_symlink(root / "precious", root / "kelvad.rtf.new", ec);
  if (ec) links = false;  // Windows without the right to make links
  if (links) fs::create_symlink(root / "precious", root / "linked.dat");
  real.Replace(At("kelvad.rtf"), "report");
  real.Replace(At("notes.json"), "{}");
  if (links) real.Replace(At("linked.dat"), "replaced");
  EXPECT_EQ(HostBytes(root / "precious"), "precious");
  EXPECT_EQ(HostBytes(root / "notes.json.new"), "the user's own");
  EXPECT_EQ(HostBytes(root / "kelvad.rtf"), "report");
  EXPECT_EQ(HostBytes(root / "notes.json"), "{}");
  std::vector<std::string> expected = {"kelvad.rtf", "notes.json", "notes.json.new", "precious"};
  if (links) {
    EXPECT_FALSE(fs::is_symlink(root / "linked.dat"));
    EXPECT_EQ(HostBytes(root / "linked.dat"), "replaced");
    expected = {"kelvad.rtf", "kelvad.rtf.new", "linked.dat", "notes.json", "notes.json.new", "precious"};
  }
  EXPECT_EQ(real.List(Utf8Path(root)), expected);
}

// What each failed call says carries the system's reason; "Path not found"
// is kept for a path that is missing.
TEST_F(RealFiles, FailuresSayWhatTheSystemSaid) {
  std::ofstream(root / "plain") << "x";
#ifdef _WIN32
  const std::string under_a_file = "plain";  // Windows says the path is not found
#else
  const std::string under_a_file = "ot a directory";
#endif
  struct Case {
    const char* what;
    std::string message;
    std::vector<std::string> parts;
  } cases[] = {
      {"directory under a file", ErrorOf([&] { real.MakeDirectory(At("plain/sub")); }), {"plain/sub", under_a_file}},
      {"directory in a missing one", ErrorOf([&] { real.MakeDirectory(At("none/sub")); }), {"Path not found", "none/sub"}},
      {"directory twice", ErrorOf([&] { real.MakeDirectory(At("plain")); }), {"already exists"}},
      {"file under a file", ErrorOf([&] { real.Write(At("plain/x.txt"), "x"); }), {"plain/x.txt", under_a_file}},
      {"missing file", ErrorOf([&] { real.Read(At("none.txt")); }), {"File not found", "none.txt"}},
      {"replace under a file", ErrorOf([&] { real.Replace(At("plain/r.txt"), "x"); }),
       {"plain", under_a_file}},
      {"opened in a missing directory", ErrorOf([&] { real.Open(At("none/engine.cpp")); }),
       {"Path not found", "none/engine.cpp"}},
      {"a directory opened", ErrorOf([&] { real.Open(Utf8Path(root)); }), {Utf8Path(root)}},
  };
  for (const Case& c : cases) {
    for (const std::string& part : c.parts) EXPECT_NE(c.message.find(part), std::string::npos) << c.what << ": " << c.message;
#ifndef _WIN32
    if (c.parts[0] != "Path not found") EXPECT_EQ(c.message.find("Path not found"), std::string::npos) << c.message;
#endif
  }
}

#ifndef _WIN32
// Inputs are read from regular files only: a FIFO, a device or a directory
// is refused at once, saying what it is, and a file is read only up to the
// bound given.
TEST_F(RealFiles, OnlyRegularFilesAreReadAndOnlySoMuch) {
  ASSERT_EQ(mkfifo((root / "fifo").c_str(), 0600), 0);
  fs::create_directories(root / "dir");
  struct Case {
    std::string path, kind;
  } cases[] = {{At("fifo"), "FIFO"}, {"/dev/zero", "device"}, {At("dir"), "directory"}};
  auto start = std::chrono::steady_clock::now();
  for (const Case& c : cases) {
    EXPECT_NE(ErrorOf([&] { real.Read(c.path); }).find(c.kind), std::string::npos) << c.path;
    EXPECT_NE(ErrorOf([&] { real.ReadPrefix(c.path, 10); }).find(c.kind), std::string::npos) << c.path;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Processes that save cmdlist.dat while others read it: every read finds
// one save whole.
TEST_F(RealFiles, ConcurrentSavesAreReadWhole) {
  const std::string path = At("cmdlist.dat");
  std::vector<std::vector<Command>> saves;
  for (int k = 0; k < 3; ++k) {
    std::vector<Command> rows;
    for (int i = 0; i < 200 * (k + 1); ++i) rows.push_back({"Cmd" + std::to_string(k) + "_" + std::to_string(i), "Text", ""});
    saves.push_back(rows);
  }
  ASSERT_EQ(SaveCommandList(real, path, saves[0]), "");
  std::vector<pid_t> writers;
  for (int k = 0; k < 3; ++k) {
    pid_t pid = fork();
    if (pid == 0) {
      RealFileSystem own;
      for (int n = 0; n < 50; ++n) {
        if (SaveCommandList(own, path, saves[(k + n) % 3]) != "") _exit(1);
      }
      _exit(0);
    }
    writers.push_back(pid);
  }
  int broken = 0;
  std::string example;
  for (int n = 0; n < 200; ++n) {
    CommandModel model;
    CommandListLoad load = LoadCommandList(real, path, model);
    bool whole = load.error.empty() && std::any_of(saves.begin(), saves.end(), [&](const std::vector<Command>& s) {
      return s.size() == model.commands.size() && s.back().name == model.commands.back().name;
    });
    if (!whole) ++broken, example = std::to_string(model.commands.size()) + " commands, " + load.error;
  }
  for (pid_t pid : writers) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
  }
  EXPECT_EQ(broken, 0) << example;
  std::vector<std::string> left = real.List(Utf8Path(root));
  EXPECT_EQ(std::count_if(left.begin(), left.end(), [](const std::string& n) { return n != "kelvad.lock"; }), 1)
      << "temporary files left over";
}
#endif

TEST_F(RealFiles, AnOpenedFileExistsEmptyAtOnceAndHoldsItsBytesWhenFinished) {
  const std::string file = JoinPath(dir, "engine.cpp");
  {
    std::ofstream(HostPath(file), std::ios::binary) << "an older project's file";
  }
  auto stream = real.Open(file);
  // Emptied when opened, as a generated file replaces an existing one.
  EXPECT_EQ(real.Stat(file), EntryKind::kFile);
  EXPECT_EQ(HostBytes(HostPath(file)), "");
  stream->Finish("line 1\r\nline 2\r\n");
  EXPECT_EQ(HostBytes(HostPath(file)), "line 1\r\nline 2\r\n");

  // A build abandoned while a file is open leaves that file as it was opened.
  const std::string abandoned = JoinPath(dir, "abandoned.cpp");
  real.Open(abandoned).reset();
  EXPECT_EQ(real.Stat(abandoned), EntryKind::kFile);
  EXPECT_EQ(HostBytes(HostPath(abandoned)), "");
}

// Names keep every character: "é" has a byte in Windows' ANSI code page
// and "Ω" none, so a name that passed through an ANSI call would come back changed.
TEST_F(RealFiles, ListsNamesInOrderWithoutTheDirectoryItselfAndStatTellsFilesFromDirectories) {
  const std::string name = "Caf\xC3\xA9 \xCE\xA9", file = JoinPath(JoinPath(dir, name), name + ".txt");
  real.MakeDirectory(JoinPath(dir, "GUI"));
  real.MakeDirectory(JoinPath(dir, name));
  real.Write(JoinPath(dir, "ebld.bat"), "");
  real.Write(JoinPath(dir, "AppUI.cpp"), "");
  real.Write(file, "first");
  real.Replace(file, "second");
  EXPECT_EQ(real.List(dir), (std::vector<std::string>{"AppUI.cpp", name, "GUI", "ebld.bat"}));
  EXPECT_EQ(real.List(JoinPath(dir, name)), std::vector<std::string>{name + ".txt"});
  EXPECT_EQ(real.Read(file), "second");
  real.Remove(file);
  EXPECT_EQ(real.Stat(file), EntryKind::kNone);
  EXPECT_EQ(real.List(JoinPath(dir, "GUI")), std::vector<std::string>{});
  EXPECT_EQ(real.List(JoinPath(dir, "Nowhere")), std::vector<std::string>{});
  EXPECT_EQ(real.Stat(JoinPath(dir, "GUI")), EntryKind::kDirectory);
  EXPECT_EQ(real.Stat(JoinPath(dir, "ebld.bat")), EntryKind::kFile);
  EXPECT_EQ(real.Stat(JoinPath(dir, "gui")), fs::exists(root / "gui") ? EntryKind::kDirectory : EntryKind::kNone);
  EXPECT_EQ(real.Stat(JoinPath(dir, "Nowhere/x")), EntryKind::kNone);
}

}  // namespace
}  // namespace kelvad
