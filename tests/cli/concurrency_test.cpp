// Runs of the real binary that overlap one another or are interrupted.
#ifndef _WIN32

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/headless_run.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

class Overlapping : public kelvad::testing::HeadlessRun {
 protected:
  // kelvad generate on drive C and the data directory, its standard output
  // to out_fd, its errors to a file named after the project; without the
  // drive mapping or home directory of the person running the tests.
  pid_t Start(const std::string& name, int out_fd) {
    std::vector<std::string> args = {"/usr/bin/env", "-u", "KELVAD_DRIVES", "HOME=" + root.string(), KELVAD_BINARY,
                                     "generate", "--drive", "c=" + (root / "c").string(), "--data-dir",
                                     (root / "data").string(), "--sdk-release", "5", "--no-launch", "--set", "help=0",
                                     "--set", "name=" + name};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string err = ErrorsOf(name).string();
    posix_spawn_file_actions_t io;
    posix_spawn_file_actions_init(&io);
    posix_spawn_file_actions_addopen(&io, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&io, out_fd, 1);
    posix_spawn_file_actions_addopen(&io, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &io, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&io);
    return pid;
  }
  fs::path ErrorsOf(const std::string& name) { return root / ("err-" + name.substr(0, 20) + ".txt"); }
  static int ExitStatus(pid_t pid) {
    int raw = 0;
    if (waitpid(pid, &raw, 0) != pid) return -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 1000 + WTERMSIG(raw);
  }
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Pairs of runs sharing a data directory: the report left is one run's
// whole report, and no run says its report was not saved.
TEST_F(Overlapping, ConcurrentRunsLeaveOneWholeReport) {
  int null_out = open("/dev/null", O_WRONLY | O_CLOEXEC);
  ASSERT_EQ(ExitStatus(Start("Solo0", null_out)), 0) << Read(ErrorsOf("Solo0"));
  const std::string alone = Read(root / "data" / "kelvad.rtf");
  ASSERT_NE(alone.find("Solo0"), std::string::npos);
  int torn = 0, false_claims = 0;
  std::string example;
  for (int i = 0; i < 40; ++i) {
    const std::string suffix = std::to_string(1000 + i);
    const std::string names[2] = {"A" + suffix, "B" + suffix};
    pid_t pids[2] = {Start(names[0], null_out), Start(names[1], null_out)};
    for (int k = 0; k < 2; ++k) {
      std::string err = (ExitStatus(pids[k]) == 0 ? "" : "failed ") + Read(ErrorsOf(names[k]));
      if (!err.empty()) ++false_claims, example = err;
    }
    const std::string report = Read(root / "data" / "kelvad.rtf");
    if (report != Replaced(alone, "Solo0", names[0]) && report != Replaced(alone, "Solo0", names[1])) {
      ++torn;
      example = report.substr(0, 300);
    }
  }
  close(null_out);
  EXPECT_EQ(torn, 0) << example;
  EXPECT_EQ(false_claims, 0) << example;
}

// Ctrl-C or SIGTERM stops the run between files; it names the partial tree
// and exits with 128 and the signal's number. Standard output is a pipe,
// read only after the signal, with room left for just the run's first two
// lines: the run makes the project directory, then waits on its third line
// until the signal has come, however fast it is.
TEST_F(Overlapping, InterruptedRunSaysWhatItLeft) {
  for (int sig : {SIGINT, SIGTERM}) {
    const std::string name = std::string(150, 'I') + std::to_string(sig);
    int pipe_fds[2];
    ASSERT_EQ(pipe2(pipe_fds, O_CLOEXEC), 0);
    const size_t room = std::string("Creating Directories ...\nCreating Directory: c:\\" + name + "\n").size() + 1;
    const std::string filler(static_cast<size_t>(fcntl(pipe_fds[1], F_GETPIPE_SZ)) - room, 'x');
    ASSERT_EQ(write(pipe_fds[1], filler.data(), filler.size()), static_cast<ssize_t>(filler.size()));
    pid_t pid = Start(name, pipe_fds[1]);
    close(pipe_fds[1]);
    const fs::path project = root / "c" / name;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fs::exists(project) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, sig);
    char buffer[4096];
    while (read(pipe_fds[0], buffer, sizeof buffer) > 0) {
    }
    close(pipe_fds[0]);
    EXPECT_EQ(ExitStatus(pid), 128 + sig);
    const std::string err = Read(ErrorsOf(name));
    EXPECT_NE(err.find("interrupted"), std::string::npos) << err;
    EXPECT_NE(err.find(project.string()), std::string::npos) << err;
    EXPECT_NE(err.find("remove"), std::string::npos) << err;
    EXPECT_TRUE(fs::is_directory(project));
    EXPECT_FALSE(fs::exists(project / "ebld.bat"));
  }
}

}  // namespace

#endif
