#include <gtest/gtest.h>

#include "model/banners.h"
#include "model/output_file.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

// The usual widths are in every golden source; these are the edges.
TEST(BannerText, BoxedCommentAtAndPastTheWidth) {
  std::string exactly72(72, 'x');
  EXPECT_EQ(BoxedCommentText(exactly72), "/* " + exactly72 + " */");
  std::string seventy3(73, 'x');
  EXPECT_EQ(BoxedCommentText(seventy3), "/* " + seventy3 + " */");
}

TEST(BannerText, CommentedCodeAtAndPastTheCommentColumn) {
  EXPECT_EQ(CommentedCodeText("", ""), "");
  EXPECT_EQ(CommentedCodeText("#endif", ""), "#endif");
  std::string code84(84, 'c');
  EXPECT_EQ(CommentedCodeText(code84, "x"), code84 + " // x");
  std::string code85(85, 'c');
  EXPECT_EQ(CommentedCodeText(code85, "x"), code85 + " // x");
  EXPECT_EQ(CommentedCodeText("a", "keep  \\ this "), "a" + std::string(83, ' ') + " // keep  \\ this ");
}

class LineWriters : public ::testing::Test {
 protected:
  void SetUp() override { build.drives.MakeDirectory("c:\\out"); }
  TestBuild build;
};

// A line without text is still counted and steps the bar, which stops at its maximum.
TEST_F(LineWriters, EveryCountedLineStepsTheBarUpToItsMaximum) {
  build.report.SetProgressMaximum(2);
  OutputFile file(build.context, "c:\\out\\c.txt");
  file.CodeLine("", "");
  EXPECT_EQ(build.context.lines_written, 1);
  EXPECT_EQ(build.report.ProgressValue(), 1);
  for (int i = 0; i < 4; ++i) file.BlankLine();
  EXPECT_EQ(build.report.ProgressValue(), 2);
  EXPECT_EQ(build.context.lines_written, 5);
  file.Close();
  EXPECT_EQ(build.Bytes("c:\\out\\c.txt"), "\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(LineWriters, AnErrorLeavesWhatWasWrittenOnDisk) {
  {
    OutputFile file(build.context, "c:\\out\\h.txt");
    file.Direct("first");
    // Abandoned without Close, as an error would leave it.
  }
  EXPECT_EQ(build.Bytes("c:\\out\\h.txt"), "first\r\n");
}

}  // namespace
}  // namespace kelvad
