// The headless program against hostile inputs and environments: what it
// refuses, that it refuses before writing, and that its messages say why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "support/headless_run.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace {

namespace fs = std::filesystem;
using Outcome = kelvad::testing::RunOutcome;

class Reliability : public kelvad::testing::HeadlessRun {
 protected:
  Outcome Refused(const std::string& args) { return Generate("--sdk-release 5 --no-launch " + args); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
  // A host path as the program prints it, with '/' between names.
  static std::string Host(const fs::path& path) {
    std::string text = path.string();
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
  }
};

// Every unusable argument is refused before the first directory is made:
// no project, no report, the exit status 2 and a message that says why;
// malformed options come with the usage. Settings take what the wizard's
// fields take, Windows-1252 text only. Inputs that are not regular files are
// refused at once, saying what they are, and nothing waits on them.
TEST_F(Reliability, UnusableArgumentsAreRefusedBeforeAnythingIsWritten) {
  fs::create_directories(root / "c" / "projectx");
  fs::create_directories(root / "empty");
  Write(root / "language.json", R"({"settings": {"language": "ELang\u0416"}})");
  Write(root / "comma.json", "{\"settings\": {\"name\": \"Demo\",}}");
  Write(root / "unknown.json", R"({"menus": [{"title": "A", "items": [{"command": "CmdNope"}]}]})");
  const std::string usage = "usage: kelvad generate";
  struct Case {
    std::string args;
    std::vector<std::string> parts;
  };
  std::vector<Case> cases = {
      {"", {"already exists"}},  // as ProjectX, whatever the case
      {"--set name=" + std::string(240, 'N'), {"cannot be written"}},
      {"--set 'name=..\\\\x'", {"cannot hold"}},
      {"--set 'name='", {"empty"}},
      {"--set name=a/b", {"cannot hold"}},
      {"--set name=NUL", {"device name"}},
      {"--set drive=q:", {"q: is not mapped"}},
      {"--set name=Icons --install-dir " + (root / "empty").string(), {"icon16i.bmp"}},
      {"--set name=Counted --set controls_count=many", {"\"many\" is not a number"}},
      {"--drive e=" + (root / "absent").string() + " --set drive=e:", {"which is not a directory"}},
      {"--set 'app_name=\xE6\x97\xA5\xE6\x9C\xAC'", {"app_name", "Windows-1252"}},
      {"--project " + (root / "language.json").string(), {"settings.language", "Windows-1252"}},
      {"--project " + (root / "none.json").string(), {"none.json"}},
      {"--project " + (root / "comma.json").string(), {"comma.json", "line 1, column 30"}},
      {"--project " + (root / "unknown.json").string(), {"unknown.json", "menus[0].items[0]"}},
      {"--project " + (root / "empty").string(), {"is a directory"}},
      {"--registry " + (root / "empty").string(), {"is a directory"}},
      {"--dryrun", {"did you mean \"--dry-run\"?", usage}},
      {"--set nosuchkey=1", {usage}}, {"--set engine=maybe", {usage}}, {"--set vc_version=9", {usage}},
      {"--bogus", {usage}}, {"--sdk-release 4", {usage}}, {"--drive nonsense", {usage}},
      {"--set drive=qq", {usage}}, {"--set", {usage}},
  };
#ifndef _WIN32
  wrapper = "timeout -s KILL 5";
  const fs::path fifo = root / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.push_back({"--project " + fifo.string(), {"FIFO"}});
  cases.push_back({"--registry " + fifo.string(), {"FIFO"}});
  // Messages echo names cut short and with control characters escaped (the
  // escape character is made by the shell).
  cases.push_back({"\"--bogus$(printf '\\033')[2J" + std::string(300, 'x') + "\"", {"\\x1b[2J"}});
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.substr(0, 60));
    Outcome run = Refused(c.args);
    EXPECT_EQ(run.status, 2);
    for (const std::string& part : c.parts) EXPECT_TRUE(Has(run.err, part)) << run.err;
    EXPECT_FALSE(Has(run.err, "too large") || Has(run.err, "no such file")) << run.err;
    EXPECT_FALSE(Has(run.err, "\x1b") || Has(run.err, std::string(100, 'x'))) << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "c"), fs::directory_iterator()), 1);
    EXPECT_FALSE(fs::exists(root / "data" / "kelvad.rtf"));
  }
  EXPECT_FALSE(fs::exists(root / "x"));
  EXPECT_FALSE(fs::exists(root / "absent"));

#ifndef _WIN32
  // A drive whose own path leaves too little room for the project's paths.
  fs::path deep = root / "c";
  while (deep.string().size() < 4070) deep /= std::string(std::min<size_t>(200, 4070 - deep.string().size() - 1), 'd');
  fs::create_directories(deep);
  Outcome run = Generate("--sdk-release 5 --no-launch --drive c=" + deep.string());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Has(run.err, "long")) << run.err;
  EXPECT_TRUE(fs::is_empty(deep));
#endif
}

#ifndef _WIN32
// A FIFO or a device where the program only reads on its way is a reading
// error it reports and goes past, and nothing waits on it.
TEST_F(Reliability, InputsThatAreNotFilesNeverBlock) {
  wrapper = "timeout -s KILL 5";
  const fs::path fifo = root / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A FIFO command list is a reading error, and a help template that is a
  // device or a FIFO is not opened: the run goes on without them, and
  // without the help document.
  ASSERT_EQ(mkfifo((root / "data" / "cmdlist.dat").c_str(), 0600), 0);
  fs::create_directories(root / "c" / "Aleppo" / "Template");
  const fs::path dot = root / "c" / "Aleppo" / "Template" / "EPOCHELP.DOT";
  for (const fs::path& target : {fs::path("/dev/zero"), fifo}) {
    fs::remove(dot);
    fs::create_symlink(target, dot);
    const std::string name = target == fifo ? "Piped" : "Zeroed";
    Outcome run = Refused("--set name=" + name);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.err, "Unexpected error reading command list") && Has(run.err, "FIFO")) << run.err;
    EXPECT_TRUE(Has(run.out, "Error opening EPOC Document Template")) << run.out;
    EXPECT_FALSE(fs::exists(root / "c" / name / "Help" / "Documents" / (name + ".rtf")));
  }
}

// Without a home directory there is no per-user directory: the program
// refuses rather than use a shared one.
TEST_F(Reliability, NoHomeIsRefusedAndUserDirectoriesArePrivate) {
  fs::create_directories(root / "tmp");
  wrapper = "env -u HOME -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u WINEPREFIX TMPDIR=" + (root / "tmp").string();
  const std::string no_drive = "generate --sdk-release 5 --no-launch";
  for (const std::string& args : {no_drive, no_drive + " --data-dir " + (root / "data").string()}) {
    Outcome run = Run(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(Has(run.err, "--drive") && Has(run.err, "--data-dir")) << run.err;
  }
  EXPECT_TRUE(fs::is_empty(root / "tmp"));
  // A relative XDG directory is ignored; what is made for the user is the user's alone.
  wrapper = "env -u WINEPREFIX XDG_DATA_HOME=relative XDG_CONFIG_HOME=relative";
  Outcome run = Run("generate --sdk-release 5 --no-launch --set name=Mine");
  ASSERT_EQ(run.status, 0) << run.err;
  const fs::path drive_c = root / ".local" / "share" / "kelvad" / "drive_c";
  EXPECT_TRUE(fs::is_directory(drive_c / "Mine"));
  for (const fs::path& dir : {root / ".local", drive_c.parent_path(), drive_c}) {
    struct stat st {};
    ASSERT_EQ(stat(dir.c_str(), &st), 0) << dir;
    EXPECT_EQ(st.st_mode & 0777, 0700u) << dir;
  }
  EXPECT_TRUE(Has(run.out, "The project is in " + (drive_c / "Mine").string() + "\n")) << run.out;
}

#endif

// The run says where the project went on the host; a dry run can say it
// for every file. A missing SDK is a warning, and so is a UID the wizard
// shows in red, which is written as given.
TEST_F(Reliability, HostPathsAreShownAndDoubtsAreWarnings) {
  Outcome run = Generate("--no-launch --set name=Placed --set gui_uid=0x12 --set base_uid=0x10000252");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.err, "warning: Unable to detect the EPOC C++ SDK")) << run.err;
  EXPECT_TRUE(Has(run.err, "warning: setting \"gui_uid\"") && !Has(run.err, "base_uid")) << run.err;
  EXPECT_TRUE(Has(Read(root / "c" / "Placed" / "GUI" / "gui.mmp"), " 0x12\r\n"));
  EXPECT_FALSE(Has(run.out, "Unable to detect")) << run.out;
  EXPECT_TRUE(Has(run.out, "The project is in " + Host(root / "c" / "Placed") + "\n")) << run.out;
  run = Generate("--sdk-release 5 --dry-run --host-paths --set name=Planned");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "c:\\Planned\\ebld.bat\t" + Host(root / "c" / "Planned" / "ebld.bat") + "\n"))
      << run.out;
  EXPECT_FALSE(fs::exists(root / "c" / "Planned"));
}

}  // namespace
