#include <gtest/gtest.h>

#include "help/help_project.h"
#include "driver/subprojects.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::TestBuild;
using testing::Visible;

// A project with its help directories and the tree node the batch files
// hang under; on d: for a name with a space, which goes in unquoted.
struct HelpProjectBuild : TestBuild {
  explicit HelpProjectBuild(bool my_app = false) {
    if (my_app) {
      settings.name = "My App";
      settings.drive = "d:";
      fs.MakeDirectories("/d");
      drives.Map('d', "/d");
    }
    MakeProjectDirectories({"\\Help", "\\Help\\Documents", "\\Help\\Database", "\\Help\\Pictures", "\\Help\\Temp"});
    tree.Add("", "HELP", "help", 7);
  }
  std::string Help() const { return settings.ProjectDirectory() + "\\help"; }
};

// Absolute directories; an order file of zero bytes that replaces an old
// one; none through the output file writer.
TEST(HelpProjectFiles, ProjectStylesAndOrderFileBypassTheWriter) {
  HelpProjectBuild build(true);
  const std::string help = "d:\\My App\\help";
  build.context.lines_written = 3;
  build.drives.WriteFile(help + "\\documents\\My App.ord", "old topics\r\n");
  GenerateHelpProject(build.context, "My App", "My App.alp", build.Help());
  GenerateHelpOrderFile(build.context, "My App", "My App.ord", build.Help() + "\\documents");
  GenerateHelpStyles(build.context, "My App", "My App.alc", build.Help());
  EXPECT_EQ(Visible(build.Bytes(help + "\\My App.alp")),
            Visible(CrLf({"inputdirectory " + help + "\\documents\\", "outputdirectory " + help + "\\database\\",
                          "outputfile My App.hlp", "sourcefile My App", "orderfile My App.ord",
                          "graphicsdirectory " + help + "\\pictures", "workingdirectory " + help + "\\temp\\",
                          "customizationfile " + help + "\\My App.alc"})));
  EXPECT_EQ(build.Bytes(help + "\\Documents\\My App.ord"), "");
  EXPECT_EQ(Visible(build.Bytes(help + "\\My App.alc")),
            Visible(CrLf({"<bodystyle fontstyle=sansserif size=10>", "<titlestyle fontstyle=sansserif size=14>",
                          "<listbullet1style bulletchar=149>", "<listbullet2style bulletchar=45>",
                          "<tipeffects text=\"Tip:\" bold=yes leftindent=36>",
                          "<noteeffects text=\"Note:\" bold=yes leftindent=36>",
                          "<importanteffects text=\"Important:\" bold=yes leftindent=60>"})));
  EXPECT_TRUE(build.report.Lines().empty());
  EXPECT_EQ(build.tree.size(), 1u);
  EXPECT_EQ(build.context.lines_written, 3);
}

// Both golden files, with the name and drive replaced, and reported with
// their counted lines.
TEST(HelpBatchFiles, MatchTheirGoldenFilesAndAreReported) {
  HelpProjectBuild build(true);
  GenerateHelpGenBat(build.context, build.Help(), "My App");
  const std::string gen = build.Help() + "\\HelpGen.bat";
  const std::vector<std::string>& lines = build.report.Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"Writing:  " + gen, "Generating BAT File: " + gen, "\tWrote 5 lines."}));
  GenerateHelpCopyBat(build.context, build.Help(), "My App");
  EXPECT_EQ(build.report.Lines().back(), "\tWrote 3 lines.");
  for (const char* file : {"HelpGen.bat", "HelpCopy.bat"}) {
    std::string expected = testing::Golden(std::string("help/") + file);
    for (auto [from, to] : {std::pair<std::string, std::string>{"ProjectX", "My App"}, {"c:\\", "d:\\"}}) {
      for (size_t at = 0; (at = expected.find(from, at)) != std::string::npos; at += to.size())
        expected.replace(at, from.size(), to);
    }
    EXPECT_EQ(Visible(build.Bytes(build.Help() + "\\" + file)), Visible(expected));
    EXPECT_EQ(build.tree.Find(std::string("HELP:") + file)->image, 14);
  }
}

// The files in order with their report lines; the copy script only with
// the generating script; without help, nothing but the stage. (Without a
// help template the document is aborted and the step goes on.)
TEST(HelpStep, OptionsChooseTheFilesWrittenInOrder) {
  const std::vector<std::string> all = {"Building HelpFiles ...", "Generating ProjectX.alp", "Generating ProjectX.ord",
                                        "Generating File: ProjectX.rtf", "Generating ProjectX.alc",
                                        "Generating BAT File: c:\\ProjectX\\help\\HelpGen.bat",
                                        "Generating BAT File: c:\\ProjectX\\help\\HelpCopy.bat"};
  struct Case {
    bool help, gen, copy;
    long lines;  // of `all`
  };
  for (const Case& c : {Case{true, true, true, 7}, Case{true, true, false, 6}, Case{true, false, true, 5},
                        Case{false, true, true, 1}}) {
    SCOPED_TRACE(c.lines);
    HelpProjectBuild build;
    build.settings.help = c.help;
    build.settings.help_gen_bat = c.gen;
    build.settings.help_copy_bat = c.copy;
    BuildHelpFiles(build.context);
    std::vector<std::string> generating;
    for (const std::string& line : build.report.Lines()) {
      if (line.rfind("Generating", 0) == 0 || line.rfind("Building", 0) == 0) generating.push_back(line);
    }
    EXPECT_EQ(generating, std::vector<std::string>(all.begin(), all.begin() + c.lines));
    EXPECT_EQ(build.drives.Exists("c:\\ProjectX\\Help\\ProjectX.alc"), c.help);
    EXPECT_EQ(build.report.ProgressMaximum(), 10);
  }
}

}  // namespace
}  // namespace kelvad
