#include <gtest/gtest.h>

#include "buildfiles/mmp.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::TestBuild;
using testing::Visible;

// The arguments the engine step passes, for a project ProjectX on c:.
MmpArguments EngineArguments(const std::string& uid, const std::string& unicode_uid) {
  MmpArguments a;
  a.path = "c:\\ProjectX\\Engine\\engine.mmp";
  a.target_type = "dll";
  a.project = "ProjectX";
  a.subproject = "engine";
  a.uid = "0x1000008d " + uid;
  a.system_include = "\\epoc32\\include";
  a.libraries = "euser.lib estor.lib";
  a.user_include = "..\\Include";
  a.target = "ProjectX_Engine.DLL";
  a.unicode_uid = "0x1000008d " + unicode_uid;
  return a;
}

MmpArguments GuiArguments() {
  MmpArguments a;
  a.path = "c:\\ProjectX\\GUI\\gui.mmp";
  a.target_type = "app";
  a.project = "ProjectX";
  a.subproject = "gui";
  a.uid = "0x1000006c 0x01000253";
  a.system_include = "\\epoc32\\include";
  a.libraries = "ProjectX_Engine.lib euser.lib";
  a.user_include = "..\\include";
  a.target_path = "\\system\\apps\\ProjectX";
  a.resource = "ProjectX.rss";
  a.sources = "Main.cpp App.cpp";
  a.unicode_uid = "0x1000006c 0x01100253";
  return a;
}

class MmpFile : public ::testing::Test {
 protected:
  void SetUp() override { build.MakeProjectDirectories({"\\Engine", "\\GUI"}); }
  std::string Write(const MmpArguments& a, int release) {
    build.context.sdk_release = release;
    WriteMmpFile(build.context, a);
    return build.Bytes(a.path);
  }
  TestBuild build;
};

TEST_F(MmpFile, EngineOnReleaseFiveHasTheUnicodeUid) {
  EXPECT_EQ(Visible(Write(EngineArguments("0x01000251", "0x01100251"), 5)),
            Visible(CrLf({"TARGET\t\tProjectX_Engine.DLL", "TARGETTYPE\tdll", "UID\t\t0x1000008d 0x01000251",
                          "UNICODEUID\t\t0x1000008d 0x01100251", "PROJECT\t\tProjectX", "SUBPROJECT\tengine",
                          "SOURCE\t\tengine.cpp", "USERINCLUDE\t..\\Include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                          "LIBRARY\t\teuser.lib estor.lib"})));
}

TEST_F(MmpFile, EngineBeforeReleaseFiveHasNoUnicodeUidAndNoWinsBlock) {
  for (int release : {0, 3}) {
    EXPECT_EQ(Visible(Write(EngineArguments("0x01000251", "0x01100251"), release)),
              Visible(CrLf({"TARGET\t\tProjectX_Engine.DLL", "TARGETTYPE\tdll", "UID\t\t0x1000008d 0x01000251",
                            "PROJECT\t\tProjectX", "SUBPROJECT\tengine", "SOURCE\t\tengine.cpp",
                            "USERINCLUDE\t..\\Include .", "SYSTEMINCLUDE\t\\epoc32\\include",
                            "LIBRARY\t\teuser.lib estor.lib"})))
        << "release " << release;
  }
}

TEST_F(MmpFile, GuiOnReleaseFiveHasUnicodeUidInsteadOfTheWinsBlock) {
  EXPECT_EQ(Visible(Write(GuiArguments(), 5)),
            Visible(CrLf({"TARGET\t\tProjectX.app", "TARGETTYPE\tapp", "UID\t\t0x1000006c 0x01000253",
                          "UNICODEUID\t\t0x1000006c 0x01100253", "TARGETPATH\t\\system\\apps\\ProjectX",
                          "PROJECT\t\tProjectX", "SUBPROJECT\tgui", "SOURCE\t\tMain.cpp App.cpp",
                          "RESOURCE\tProjectX.rss", "USERINCLUDE\t..\\include .",
                          "SYSTEMINCLUDE\t\\epoc32\\include", "LIBRARY\t\tProjectX_Engine.lib euser.lib"})));
}

TEST_F(MmpFile, GuiBeforeReleaseFiveEndsWithTheWinsAutoUidBlock) {
  for (int release : {0, 3}) {
    EXPECT_EQ(Visible(Write(GuiArguments(), release)),
              Visible(CrLf({"TARGET\t\tProjectX.app", "TARGETTYPE\tapp", "UID\t\t0x1000006c 0x01000253",
                            "TARGETPATH\t\\system\\apps\\ProjectX", "PROJECT\t\tProjectX", "SUBPROJECT\tgui",
                            "SOURCE\t\tMain.cpp App.cpp", "RESOURCE\tProjectX.rss", "USERINCLUDE\t..\\include .",
                            "SYSTEMINCLUDE\t\\epoc32\\include", "LIBRARY\t\tProjectX_Engine.lib euser.lib",
                            "START WINS", "    AUTOUID", "END"})))
        << "release " << release;
  }
}

TEST_F(MmpFile, TargetTypeOtherThanLowerCaseAppGetsNoWinsBlock) {
  MmpArguments a = GuiArguments();
  a.target_type = "App";
  const std::string bytes = Write(a, 3);
  EXPECT_EQ(bytes.find("START WINS"), std::string::npos);
  EXPECT_NE(bytes.find("TARGET\t\tProjectX.App\r\n"), std::string::npos);
}

TEST_F(MmpFile, UpperCaseUidsComeOutInLowerCase) {
  const std::string bytes = Write(EngineArguments("0x0ABCDEF1", "0X0FEDCBA2"), 5);
  EXPECT_NE(bytes.find("\r\nUID\t\t0x1000008d 0x0abcdef1\r\n"), std::string::npos) << Visible(bytes);
  EXPECT_NE(bytes.find("\r\nUNICODEUID\t\t0x1000008d 0x0fedcba2\r\n"), std::string::npos) << Visible(bytes);
}

TEST_F(MmpFile, AbsentArgumentsLeaveLinesOutOrFallBack) {
  MmpArguments a;
  a.path = "c:\\ProjectX\\Engine\\bare.mmp";
  a.target_type = "dll";
  a.project = "ProjectX";
  a.subproject = "engine";
  // No UIDs, include directories, libraries, target path, resource, sources or target.
  EXPECT_EQ(Visible(Write(a, 5)),
            Visible(CrLf({"TARGET\t\tProjectX.dll", "TARGETTYPE\tdll", "PROJECT\t\tProjectX", "SUBPROJECT\tengine",
                          "SOURCE\t\tengine.cpp", "USERINCLUDE\t.", "SYSTEMINCLUDE\t", "LIBRARY\t\t"})));
}

TEST_F(MmpFile, IsNeitherReportedNorEnteredInTheTreeNorCounted) {
  Write(GuiArguments(), 3);
  EXPECT_TRUE(build.report.Lines().empty());
  EXPECT_EQ(build.tree.size(), 0u);
  EXPECT_EQ(build.context.lines_written, 0);
  EXPECT_EQ(build.report.ProgressValue(), 0);
}

}  // namespace
}  // namespace kelvad
