// The headless program against hostile inputs and environments: what it
// refuses, that it refuses before writing, and that its messages say why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

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
  bool DriveIsEmpty() { return fs::is_empty(root / "c"); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
  // A host path as the program prints it, with '/' between names.
  static std::string Host(const fs::path& path) {
    std::string text = path.string();
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
  }
};

// Text settings take what the wizard's fields take; a UID the wizard shows
// in red is written as given, with a warning.
TEST_F(Reliability, SettingsAreCheckedAsTheWizardChecksThem) {
  Outcome run = Refused("--set 'app_name=\xE6\x97\xA5\xE6\x9C\xAC'");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Has(run.err, "app_name") && Has(run.err, "Windows-1252")) << run.err;
  EXPECT_TRUE(DriveIsEmpty());
  Write(root / "p.json", R"({"settings": {"language": "ELang\u0416"}})");
  run = Refused("--project " + (root / "p.json").string());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Has(run.err, "settings.language") && Has(run.err, "Windows-1252")) << run.err;

  run = Refused("--set name=Uids --set gui_uid=0x12 --set base_uid=0x10000252");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.err, "warning: setting \"gui_uid\"")) << run.err;
  EXPECT_FALSE(Has(run.err, "base_uid")) << run.err;
  EXPECT_TRUE(Has(Read(root / "c" / "Uids" / "GUI" / "gui.mmp"), " 0x12\r\n"));
}

// What can be known before the first directory is made is checked first:
// nothing is written, the exit status is 2 and the message says why.
TEST_F(Reliability, RefusedBeforeAnythingIsWritten) {
  const std::string long_name(240, 'N');
  fs::create_directories(root / "empty");
  struct Case {
    std::string args, error;
  } cases[] = {
      {"--set name=" + long_name, "cannot be written"},
      {"--set name=Icons --install-dir " + (root / "empty").string(), "icon16i.bmp"},
      {"--set name=Counted --set text_ui_count=-40000", "sub-project count"},
      {"--set name=Counted --set controls_count=many", "\"many\" is not a number"},
      {"--set name=a/b", "cannot hold"},
      {"--set drive=q:", "q: is not mapped"},
  };
  for (const Case& c : cases) {
    Outcome run = Refused(c.args);
    EXPECT_EQ(run.status, 2) << c.args.substr(0, 60);
    EXPECT_TRUE(Has(run.err, c.error)) << run.err;
    EXPECT_FALSE(Has(run.err, "too large")) << run.err;
    EXPECT_TRUE(DriveIsEmpty()) << c.args.substr(0, 60);
  }
  EXPECT_FALSE(fs::exists(root / "data" / "kelvad.rtf"));

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
// Only regular files are read: a FIFO, a device or a directory gets a
// message that says what it is, and nothing waits on it.
TEST_F(Reliability, InputsThatAreNotFilesNeverBlock) {
  wrapper = "timeout -s KILL 5";
  const fs::path fifo = root / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directories(root / "adir");
  struct Case {
    std::string args;
    int status;
    std::string message;
  } cases[] = {
      {"--project " + fifo.string(), 2, "FIFO"},
      {"--registry " + fifo.string(), 2, "FIFO"},
      {"--project " + (root / "adir").string(), 2, "is a directory"},
      {"--registry " + (root / "adir").string(), 2, "is a directory"},
  };
  for (const Case& c : cases) {
    Outcome run = Refused(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_TRUE(Has(run.err, c.message)) << c.args << "\n" << run.err;
    EXPECT_FALSE(Has(run.err, "no such file")) << run.err;
  }
  // A FIFO command list is a reading error; the run goes on without it.
  ASSERT_EQ(mkfifo((root / "data" / "cmdlist.dat").c_str(), 0600), 0);
  Outcome run = Refused("--set name=Listed");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.err, "Unexpected error reading command list") && Has(run.err, "FIFO")) << run.err;
  fs::remove(root / "data" / "cmdlist.dat");
  // A help template that is a device or a FIFO: the help document is not written.
  fs::create_directories(root / "c" / "Aleppo" / "Template");
  const fs::path dot = root / "c" / "Aleppo" / "Template" / "EPOCHELP.DOT";
  for (const fs::path& target : {fs::path("/dev/zero"), fifo}) {
    fs::remove(dot);
    fs::create_symlink(target, dot);
    const std::string name = target == fifo ? "Piped" : "Zeroed";
    run = Refused("--set name=" + name);
    EXPECT_EQ(run.status, 0) << run.err;
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

// Messages echo names cut short and with control characters escaped; an
// unknown command or option suggests the nearest one.
TEST_F(Reliability, MessagesShowNamesSafely) {
#ifndef _WIN32  // the escape character is made by the shell
  Outcome run = Run("\"--bogus$(printf '\\033')[2J" + std::string(300, 'x') + "\"");
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(Has(run.err, "\x1b")) << run.err;
  EXPECT_TRUE(Has(run.err, "\\x1b[2J")) << run.err;
  EXPECT_FALSE(Has(run.err, std::string(100, 'x'))) << run.err;
#else
  Outcome run;
#endif
  for (const char* command : {"gen", "Generate", "generat"}) {
    run = Run(command);
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_TRUE(Has(run.err, "did you mean \"generate\"?")) << command << "\n" << run.err;
  }
  run = Run("generate --dryrun");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(Has(run.err, "did you mean \"--dry-run\"?")) << run.err;
  run = Run("bogus");
  EXPECT_FALSE(Has(run.err, "did you mean")) << run.err;
}

// The run says where the project went on the host; a dry run can say it
// for every file; a missing SDK is a warning like the others.
TEST_F(Reliability, HostPathsAreShown) {
  Outcome run = Generate("--no-launch --set name=Placed");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.err, "warning: Unable to detect the EPOC C++ SDK")) << run.err;
  EXPECT_FALSE(Has(run.out, "Unable to detect")) << run.out;
  EXPECT_TRUE(Has(run.out, "The project is in " + Host(root / "c" / "Placed") + "\n")) << run.out;
  run = Generate("--sdk-release 5 --dry-run --host-paths --set name=Planned");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "c:\\Planned\\ebld.bat\t" + Host(root / "c" / "Planned" / "ebld.bat") + "\n"))
      << run.out;
  EXPECT_FALSE(fs::exists(root / "c" / "Planned"));
}

}  // namespace
