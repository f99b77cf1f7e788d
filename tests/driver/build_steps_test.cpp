#include <gtest/gtest.h>

#include <algorithm>

#include "driver/build_driver.h"
#include "driver/dry_run.h"
#include "resources/hotkeys.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::TestBuild;
using testing::Visible;

class StatusWatcher : public ReportView {
 public:
  void StatusChanged(const std::string& text) override { statuses.push_back(text); }
  std::vector<std::string> statuses;
};

// The stages, directories and files in order (the command header only after
// the resource script has completed the used-command list), and the arguments
// each step passes to the MMP and makefile writers, whose own cases are in
// their tests. The drive node shows only the entry's two letters; the pictures
// folder has the source picture where other directories have the folder pair.
// A dry run first plans exactly what the build then writes, and writes nothing.
TEST(BuildSteps, RunInOrderAndPassTheirOwnNamesAndUidsAsTheDryRunPlans) {
  TestBuild build;
  // Upper-case hex that the MMP files must turn to lower case.
  build.settings.engine_uid = "0x0100AAAA"; build.settings.engine_unicode_uid = "0X0110BBBB";
  build.settings.gui_uid = "0x0100CCCC"; build.settings.gui_unicode_uid = "0x0110DDDD";
  build.settings.messaging = true;
  build.settings.drive = "c: [SYSTEM]";
  build.context.sdk_release = 5;
  build.context.launch = false;
  build.commands = testing::StartedModel();
  CollectMenuItems(build.commands);
  const DryRunInput input{build.settings, build.commands, 5, "/install", "", nullptr};
  const std::vector<std::string> files_before = build.fs.Files();
  const DryRun plan = DryRunBuild(input, build.drives);
  ASSERT_TRUE(plan.completed) << plan.error;
  EXPECT_EQ(build.fs.Files(), files_before);
  StatusWatcher watcher;
  build.report.set_view(&watcher);
  ASSERT_TRUE(BuildProject(build.context).completed);
  EXPECT_EQ(watcher.statuses,
            (std::vector<std::string>{"Processing ...", "Creating Directories ...", "Building MBM File ...",
                                      "Building AIF File ...", "Building Engine (MMP File) ...",
                                      "Building GUI (MMP File) ...", "Building GUI ...", "Building GUI (C++ Files) ...",
                                      "Building HelpFiles ...", "Building Distribution Files ...", "Finished"}));
  std::vector<std::string> made;
  for (const auto& line : build.report.Lines()) {
    if (line.rfind("Creating Directory: c:\\ProjectX", 0) == 0) made.push_back(line.substr(31));
  }
  EXPECT_EQ(made, (std::vector<std::string>{"", "\\Include", "\\AIF", "\\Engine", "\\GUI", "\\Help", "\\Help\\Pictures",
                                            "\\Help\\Database", "\\Help\\Documents", "\\Help\\Temp", "\\distrib"}));
  for (std::string& dir : made) dir = "c:\\ProjectX" + dir;
  EXPECT_EQ(plan.directories, made);
  for (auto [key, expected] : {std::pair{"DRIVE", "ROOT>c: 2/0"}, {"PRJ", "DRIVE>ProjectX 7/6"},
                               {"H_D_PICTURES", "HELP>pictures 4/0"}}) {
    const TreeNode* n = build.tree.Find(key);
    EXPECT_EQ(n->parent + ">" + n->text + " " + std::to_string(n->image) + "/" + std::to_string(n->selected_image),
              expected);
  }
  std::vector<std::string> files;
  for (const std::string& path : build.fs.Files()) {
    if (path.rfind("/c/ProjectX/", 0) == 0) files.push_back(path.substr(12));
  }
  EXPECT_EQ(files, (std::vector<std::string>{
                       "AIF/ProjectX.lst", "AIF/ProjectX16i.bmp", "AIF/ProjectX16m.bmp", "AIF/ProjectX24i.bmp",
                       "AIF/ProjectX24m.bmp", "AIF/ProjectX32i.bmp", "AIF/ProjectX32m.bmp", "AIF/ProjectX48i.bmp",
                       "AIF/ProjectX48m.bmp", "AIF/GenMBM.bat", "AIF/ProjectX.rss", "AIF/GenAIF.bat",
                       "AIF/CopyAIF.bat", "Engine/engine.mmp", "Include/engine.h", "Engine/engine.cpp",
                       "Engine/makefile", "GUI/gui.mmp", "GUI/Main.cpp", "Include/App.h", "GUI/App.cpp",
                       "Include/Doc.h", "GUI/Doc.cpp", "Include/AppUI.h", "GUI/AppUI.cpp", "Include/AppView.h",
                       "GUI/AppView.cpp", "GUI/ProjectX.rss", "Include/ProjectX.hrh", "Include/MsgI.h",
                       "GUI/MsgI.cpp", "GUI/GenRSS.bat", "GUI/makefile", "Help/ProjectX.alp",
                       "Help/Documents/ProjectX.ord", "Help/ProjectX.alc", "Help/HelpGen.bat", "Help/HelpCopy.bat",
                       "distrib/ProjectX (MARM Release).pkg", "distrib/GenSIS.bat", "ProjectX.dsw", "ebld.bat"}));
  ASSERT_EQ(plan.files.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    std::string dos = "c:\\ProjectX\\" + files[i];
    std::replace(dos.begin(), dos.end(), '/', '\\');
    EXPECT_EQ(plan.files[i].dos_path, dos);
    EXPECT_EQ(plan.files[i].bytes, build.Bytes(dos)) << dos;
  }
  // Now the name is taken: the dry run says why the build would stop.
  EXPECT_NE(DryRunBuild(input, build.drives).error.find("already exists"), std::string::npos);
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.mmp")),
            Visible(CrLf({"TARGET\t\tProjectX_Engine.DLL", "TARGETTYPE\tdll", "UID\t\t0x1000008d 0x0100aaaa",
                          "UNICODEUID\t\t0x1000008d 0x0110bbbb", "PROJECT\t\tProjectX", "SUBPROJECT\tengine",
                          "SOURCE\t\tengine.cpp", "USERINCLUDE\t..\\Include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                          "LIBRARY\t\teuser.lib estor.lib"})));
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\GUI\\gui.mmp")),
            Visible(CrLf({"TARGET\t\tProjectX.app", "TARGETTYPE\tapp", "UID\t\t0x1000006c 0x0100cccc",
                          "UNICODEUID\t\t0x1000006c 0x0110dddd", "TARGETPATH\t\\system\\apps\\ProjectX",
                          "PROJECT\t\tProjectX", "SUBPROJECT\tgui",
                          "SOURCE\t\tMain.cpp App.cpp Doc.cpp AppUI.cpp AppView.cpp", "RESOURCE\tProjectX.rss",
                          "USERINCLUDE\t..\\include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                          "LIBRARY\t\tProjectX_Engine.lib euser.lib efsrv.lib estor.lib gdi.lib apparc.lib print.lib "
                          "ws32.lib cone.lib eikon.lib apgrfx.lib"})));
  EXPECT_NE(build.Bytes("c:\\ProjectX\\Engine\\makefile")
                .find("\r\n\\EPOC32\\Release\\WINS\\Deb\\ProjectX_engine.dll : engine.wins\r\n\tnmake -f engine.wins\r\n"),
            std::string::npos);
  EXPECT_NE(build.Bytes("c:\\ProjectX\\GUI\\makefile")
                .find("\r\n\\EPOC32\\Release\\WINS\\Deb\\ProjectX.app : gui.wins\r\n\tnmake -f gui.wins\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kelvad
