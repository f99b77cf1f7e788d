#include <gtest/gtest.h>

#include <algorithm>

#include "driver/build_driver.h"
#include "driver/subprojects.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::Golden;
using testing::TestBuild;
using testing::Visible;

// Each status text shown, in order.
class StatusWatcher : public ReportView {
 public:
  void StatusChanged(const std::string& text) override { statuses.push_back(text); }
  std::vector<std::string> statuses;
};

// The host files created under a project directory, in creation order, as
// paths below it.
std::vector<std::string> CreatedBelow(const TestBuild& build, const std::string& host_dir) {
  std::vector<std::string> out;
  for (const std::string& path : build.fs.Files()) {
    if (path.rfind(host_dir + "/", 0) == 0) out.push_back(path.substr(host_dir.size() + 1));
  }
  return out;
}

class Steps : public ::testing::Test {
 protected:
  void SetUp() override {
    // Upper-case hex that the MMP files must turn to lower case.
    build.settings.engine_uid = "0x0100AAAA"; build.settings.engine_unicode_uid = "0X0110BBBB";
    build.settings.gui_uid = "0x0100CCCC"; build.settings.gui_unicode_uid = "0x0110DDDD";
    build.context.sdk_release = 5;
    build.report.set_view(&watcher);
    build.MakeProjectDirectories({"\\Include", "\\AIF", "\\Engine", "\\GUI", "\\Help", "\\Help\\Documents", "\\distrib"});
    for (const char* key : {"INC", "ENG", "GUI", "HELP", "DIST"}) build.tree.Add("", key, key, 7, 6);
  }
  TestBuild build;
  StatusWatcher watcher;
};

TEST_F(Steps, EngineStepWritesMmpHeaderSourceAndMakefileInOrder) {
  BuildEngineSubproject(build.context);
  EXPECT_EQ(watcher.statuses, std::vector<std::string>{"Building Engine (MMP File) ..."});
  EXPECT_EQ(CreatedBelow(build, "/c/ProjectX"),
            (std::vector<std::string>{"Engine/engine.mmp", "Include/engine.h", "Engine/engine.cpp", "Engine/makefile"}));
  // The stage adds no report line of its own; the MMP file none either.
  EXPECT_EQ(build.report.Lines().front(), "Writing:  c:\\ProjectX\\Include\\engine.h");
  // The arguments the step passes; the writer's own cases are in the MMP tests.
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.mmp")),
            Visible(CrLf({"TARGET\t\tProjectX_Engine.DLL", "TARGETTYPE\tdll", "UID\t\t0x1000008d 0x0100aaaa",
                          "UNICODEUID\t\t0x1000008d 0x0110bbbb", "PROJECT\t\tProjectX", "SUBPROJECT\tengine",
                          "SOURCE\t\tengine.cpp", "USERINCLUDE\t..\\Include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                          "LIBRARY\t\teuser.lib estor.lib"})));
  // The makefile carries the engine's own name and binary.
  const std::string makefile = build.Bytes("c:\\ProjectX\\Engine\\makefile");
  EXPECT_NE(makefile.find("\r\n\\EPOC32\\Release\\WINS\\Deb\\ProjectX_engine.dll : engine.wins\r\n\tnmake -f engine.wins\r\n"),
            std::string::npos) << Visible(makefile);
  EXPECT_NE(makefile.find("\r\n\tmakmake /MAKEWORK engine marm\r\n"), std::string::npos);
  EXPECT_TRUE(build.tree.Contains("ENG:makefile"));
}

TEST_F(Steps, GuiStepRunsItsSequenceAndEndsInTheGuiDirectory) {
  build.context.sdk_release = 3;
  build.settings.messaging = true;
  BuildGuiSubproject(build.context);
  EXPECT_EQ(watcher.statuses, (std::vector<std::string>{"Building GUI (MMP File) ...", "Building GUI ...",
                                                        "Building GUI (C++ Files) ..."}));
  // Other files may come between, but these come in this order.
  const std::vector<std::string> files = CreatedBelow(build, "/c/ProjectX");
  std::ptrdiff_t previous = -1;
  for (const char* file : {"GUI/gui.mmp", "GUI/Main.cpp", "Include/App.h", "GUI/App.cpp", "Include/Doc.h",
                           "GUI/Doc.cpp", "Include/AppUI.h", "GUI/AppUI.cpp", "Include/AppView.h", "GUI/AppView.cpp",
                           "GUI/ProjectX.rss", "Include/ProjectX.hrh", "Include/MsgI.h", "GUI/MsgI.cpp",
                           "GUI/GenRSS.bat", "GUI/makefile"}) {
    const std::ptrdiff_t at = std::find(files.begin(), files.end(), file) - files.begin();
    ASSERT_LT(at, std::ssize(files)) << file << " was not written";
    EXPECT_GT(at, previous) << file << " out of order";
    previous = at;
  }
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\GUI\\gui.mmp")),
            Visible(CrLf({"TARGET\t\tProjectX.app", "TARGETTYPE\tapp", "UID\t\t0x1000006c 0x0100cccc",
                          "TARGETPATH\t\\system\\apps\\ProjectX", "PROJECT\t\tProjectX", "SUBPROJECT\tgui",
                          "SOURCE\t\tMain.cpp App.cpp Doc.cpp AppUI.cpp AppView.cpp", "RESOURCE\tProjectX.rss",
                          "USERINCLUDE\t..\\include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                          "LIBRARY\t\tProjectX_Engine.lib euser.lib efsrv.lib estor.lib gdi.lib apparc.lib print.lib "
                          "ws32.lib cone.lib eikon.lib apgrfx.lib",
                          "START WINS", "    AUTOUID", "END"})));
  EXPECT_EQ(build.drives.CurrentDrive(), 'c');
  EXPECT_TRUE(EqualsIgnoringCase(build.drives.CurrentDirectory('c'), "\\ProjectX\\gui"));
  EXPECT_TRUE(build.tree.Contains("GUI:makefile"));
  EXPECT_EQ(build.report.ProgressValue(), build.report.ProgressMaximum());
}

TEST_F(Steps, GuiStepPassesTheUnicodeUid) {
  BuildGuiSubproject(build.context);
  EXPECT_NE(build.Bytes("c:\\ProjectX\\GUI\\gui.mmp").find("\r\nUNICODEUID\t\t0x1000006c 0x0110dddd\r\n"),
            std::string::npos);
}

TEST_F(Steps, DistributionStepWritesScriptThenBatch) {
  build.report.SetProgressValue(40);
  BuildDistribution(build.context);
  ASSERT_EQ(watcher.statuses.size(), 1u);
  EXPECT_FALSE(watcher.statuses[0].empty());
  EXPECT_EQ(build.report.ProgressValue(), 0);
  EXPECT_EQ(CreatedBelow(build, "/c/ProjectX"),
            (std::vector<std::string>{"distrib/ProjectX (MARM Release).pkg", "distrib/GenSIS.bat"}));
  // The status is no report line; only the batch header reports.
  EXPECT_EQ(build.report.Lines(), std::vector<std::string>{"Generating BAT File: c:\\ProjectX\\distrib\\GenSIS.bat"});
}

TEST_F(Steps, DistributionStepWithoutThePackageOptionWritesNothing) {
  build.settings.sis = false;
  BuildDistribution(build.context);
  EXPECT_TRUE(CreatedBelow(build, "/c/ProjectX").empty());
}

TEST(BuildWithoutTemplates, StillWritesAifWorkspaceAndMasterScript) {
  TestBuild build;
  build.settings.engine = build.settings.gui = build.settings.help = build.settings.sis = false;
  build.settings.name = "Demo";
  build.context.launch = false;
  BuildOutcome outcome = BuildProject(build.context);
  ASSERT_TRUE(outcome.completed) << outcome.error;
  EXPECT_EQ(build.Bytes("c:\\Demo\\Demo.dsw"), Golden("buildfiles/Demo.dsw"));
  std::vector<std::string> files = CreatedBelow(build, "/c/Demo");
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"AIF/CopyAIF.bat", "AIF/Demo.lst", "AIF/Demo.rss", "AIF/Demo16i.bmp",
                                             "AIF/Demo16m.bmp", "AIF/Demo24i.bmp", "AIF/Demo24m.bmp", "AIF/Demo32i.bmp",
                                             "AIF/Demo32m.bmp", "AIF/Demo48i.bmp", "AIF/Demo48m.bmp", "AIF/GenAIF.bat",
                                             "AIF/GenMBM.bat", "Demo.dsw", "ebld.bat"}));
  for (const std::string& line : build.report.Lines()) {
    EXPECT_EQ(line.find("Writing: "), std::string::npos) << line;
  }
}

// The copies made before the missing icon stay; nothing after it is written.
TEST(BuildWithMissingIcon, IsAbandonedNamingTheIconAndStartsNothing) {
  TestBuild build;
  build.fs.Remove("/install/Icons/icon48i.bmp");
  build.context.launch = false;
  BuildOutcome outcome = BuildProject(build.context);
  EXPECT_FALSE(outcome.completed);
  EXPECT_NE(outcome.error.find("icon48i.bmp"), std::string::npos) << outcome.error;
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\ebld.bat"));
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\Engine\\engine.mmp"));
  EXPECT_TRUE(build.drives.Exists("c:\\ProjectX\\AIF\\ProjectX32m.bmp"));
  EXPECT_FALSE(build.drives.Exists("c:\\ProjectX\\AIF\\GenMBM.bat"));
}

}  // namespace
}  // namespace kelvad
