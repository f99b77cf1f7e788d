#include <gtest/gtest.h>

#include "buildfiles/mmp.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::TestBuild;
using testing::Visible;

// Arguments shaped like the GUI step's, for a project ProjectX on c:.
MmpArguments GuiArguments() {
  return {.path = "c:\\ProjectX\\GUI\\gui.mmp", .target_type = "app", .project = "ProjectX", .subproject = "gui",
          .uid = "0x1000006c 0x01000253", .system_include = "\\epoc32\\include",
          .libraries = "ProjectX_Engine.lib euser.lib", .user_include = "..\\include",
          .target_path = "\\system\\apps\\ProjectX", .resource = "ProjectX.rss", .sources = "Main.cpp App.cpp",
          .unicode_uid = "0x1000006c 0x01100253"};
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

// Release five adds the Unicode UID after the UID; before it, an application
// ends with the WINS block instead, which only the type "app", in lower
// case, gets. Written directly: neither reported nor entered in the tree
// nor counted.
TEST_F(MmpFile, ReleaseDecidesUnicodeUidAndWinsBlock) {
  const std::string rest =
      CrLf({"TARGETPATH\t\\system\\apps\\ProjectX", "PROJECT\t\tProjectX", "SUBPROJECT\tgui", "SOURCE\t\tMain.cpp App.cpp",
            "RESOURCE\tProjectX.rss", "USERINCLUDE\t..\\include .", "SYSTEMINCLUDE\t\\epoc32\\include",
            "LIBRARY\t\tProjectX_Engine.lib euser.lib"});
  const std::string wins = CrLf({"START WINS", "    AUTOUID", "END"});
  for (int release : {0, 3, 5}) {
    SCOPED_TRACE(release);
    EXPECT_EQ(Visible(Write(GuiArguments(), release)),
              Visible(CrLf({"TARGET\t\tProjectX.app", "TARGETTYPE\tapp", "UID\t\t0x1000006c 0x01000253"}) +
                      (release >= 5 ? CrLf({"UNICODEUID\t\t0x1000006c 0x01100253"}) : "") + rest +
                      (release >= 5 ? "" : wins)));
  }
  MmpArguments a = GuiArguments();
  a.target_type = "App";
  EXPECT_EQ(Visible(Write(a, 3)),
            Visible(CrLf({"TARGET\t\tProjectX.App", "TARGETTYPE\tApp", "UID\t\t0x1000006c 0x01000253"}) + rest));
  EXPECT_TRUE(build.report.Lines().empty());
  EXPECT_EQ(build.tree.size(), 0u);
  EXPECT_EQ(build.context.lines_written, 0);
  EXPECT_EQ(build.report.ProgressValue(), 0);
}

TEST_F(MmpFile, AbsentArgumentsLeaveLinesOutOrFallBack) {
  const MmpArguments a = {.path = "c:\\ProjectX\\Engine\\bare.mmp", .target_type = "dll", .project = "ProjectX",
                          .subproject = "engine"};
  // No UIDs, include directories, libraries, target path, resource, sources or target.
  EXPECT_EQ(Visible(Write(a, 5)),
            Visible(CrLf({"TARGET\t\tProjectX.dll", "TARGETTYPE\tdll", "PROJECT\t\tProjectX", "SUBPROJECT\tengine",
                          "SOURCE\t\tengine.cpp", "USERINCLUDE\t.", "SYSTEMINCLUDE\t", "LIBRARY\t\t"})));
}

}  // namespace
}  // namespace kelvad
