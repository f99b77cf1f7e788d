#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kelvad::testing {

struct RunOutcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the real binary, as a user would, in a scratch directory that holds
// drive c: ("c") and the data directory ("data").
class HeadlessRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // kelvad generate --drive c=ROOT/c --data-dir ROOT/data ARGS
  RunOutcome Generate(const std::string& args);
  // kelvad ARGS, as given; env adds `env` options such as "-u DISPLAY".
  RunOutcome Run(const std::string& args, const std::string& env = "");
  // The same with another copy of the program.
  RunOutcome RunAt(const std::filesystem::path& program, const std::string& args, const std::string& env = "");
  // The program under test.
  static std::filesystem::path Program();

  static std::string Read(const std::filesystem::path& path);
  static void Write(const std::filesystem::path& path, const std::string& bytes);

  std::filesystem::path root;
  // POSIX only: a command that runs the program, such as "timeout -s KILL 5".
  std::string wrapper;
  // On Windows: run the program in a window station of its own, which like
  // a service's has no desktop anyone sees. Elsewhere `env` does that.
  bool hidden_desktop = false;
};

}  // namespace kelvad::testing
