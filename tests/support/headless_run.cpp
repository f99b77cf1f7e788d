#include "support/headless_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace kelvad::testing {

namespace fs = std::filesystem;

void HeadlessRun::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  root = fs::temp_directory_path() /
         ("kelvad_run_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" + test->name());
  fs::remove_all(root);
  fs::create_directories(root / "c");
  fs::create_directories(root / "data");
}

void HeadlessRun::TearDown() { fs::remove_all(root); }

RunOutcome HeadlessRun::Generate(const std::string& args) {
  return Run("generate --drive c=" + (root / "c").string() + " --data-dir " + (root / "data").string() + " " + args);
}

RunOutcome HeadlessRun::Run(const std::string& args, const std::string& env) {
  std::string out = (root / "out.txt").string(), err = (root / "err.txt").string();
  // A drive mapping or home directory of the person running the tests must not leak in.
  std::string command = std::string("env -u KELVAD_DRIVES ") + env + " HOME=" + root.string() + " " + KELVAD_BINARY + " " +
                        args + " >" + out + " 2>" + err + " </dev/null";
  RunOutcome run;
  int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = Read(out);
  run.err = Read(err);
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
