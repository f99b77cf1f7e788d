#include <gtest/gtest.h>

#include <cstdint>

#include "model/banners.h"
#include "model/output_file.h"
#include "platform/errors.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

// The usual widths are in every golden source; these are the edges.
TEST(BannerText, BoxedCommentAndCommentColumnAtAndPastTheWidth) {
  for (int width : {72, 73}) {
    const std::string text(width, 'x');
    EXPECT_EQ(BoxedCommentText(text), "/* " + text + " */");
  }
  for (int width : {84, 85}) {
    const std::string code(width, 'c');
    EXPECT_EQ(CommentedCodeText(code, "x"), code + " // x");
  }
  EXPECT_EQ(CommentedCodeText("a", "keep  \\ this "), "a" + std::string(83, ' ') + " // keep  \\ this ");
}

// A line without text is still counted and steps the bar, which stops at its
// maximum; the count runs past 16 bits, as a project of some eleven thousand
// commands needs, and its end is an error that keeps what was written.
// Opening fails in a missing directory, under a tree key already used or
// missing, or where the file cannot be written.
TEST(OutputFile, CountsEveryLineStepsTheBarReportsTheCountAndFailsToOpenWhereItMust) {
  TestBuild build;
  build.MakeProjectDirectories({});
  build.report.SetProgressMaximum(2);
  OutputFile file = OpenOutputFile(build.context, "c.txt", "c:\\ProjectX", false, "", 0);
  file.CodeLine("", "");
  EXPECT_EQ(build.report.ProgressValue(), 1);
  for (int i = 0; i < 4; ++i) file.BlankLine();
  EXPECT_EQ(build.report.ProgressValue(), 2);
  build.context.lines_written += 65535;
  file.BlankLine();
  CloseOutputFile(file);
  EXPECT_EQ(build.Bytes("c:\\ProjectX\\c.txt"), "\r\n\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(build.report.Lines(), (std::vector<std::string>{"Writing:  c:\\ProjectX\\c.txt", "\tWrote 65541 lines."}));
  EXPECT_NE(build.report.Document().find("{ Writing: } {\\i c:\\\\ProjectX\\\\c.txt}\r\n"), std::string::npos);
  {
    OutputFile left(build.context, "c:\\ProjectX\\h.txt");
    left.Direct("first");
    build.context.lines_written = INT32_MAX;
    EXPECT_THROW(left.BlankLine(), Error);
  }
  EXPECT_EQ(build.Bytes("c:\\ProjectX\\h.txt").rfind("first\r\n", 0), 0u);
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\Missing", false, "", 0), Error);
  EXPECT_THROW(MakeProjectDirectory(build.context, "c:\\No\\Parent"), Error);
  build.tree.Add("", "PRJ", "ProjectX", 7, 6);
  OutputFile first = OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3);
  CloseOutputFile(first);
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3), Error);
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", true, "NOPE", 3), Error);
  build.fs.FailOn("/c/ProjectX/b.txt");
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", false, "", 0), Error);
}

}  // namespace
}  // namespace kelvad
